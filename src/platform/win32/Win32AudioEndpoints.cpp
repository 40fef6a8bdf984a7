#include "platform/win32/Win32AudioEndpoints.h"

#include "platform/win32/WindowsApi.h"
// After windows.h, whose types they use; the property key is defined here, once.
#include <audioclient.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <wrl/client.h>
// clang-format off
#include <initguid.h>
#include <functiondiscoverykeys_devpkey.h>
// clang-format on

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/Mixer.h"

using Microsoft::WRL::ComPtr;

namespace {

std::string Utf8(const wchar_t* text) {
    if (!text) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.resize(static_cast<std::size_t>(size - 1));
    return result;
}

std::wstring Wide(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 1) return {};
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, result.data(), size);
    result.resize(static_cast<std::size_t>(size - 1));
    return result;
}

AudioEndpoint Describe(IMMDevice& device) {
    AudioEndpoint endpoint;
    LPWSTR id = nullptr;
    if (SUCCEEDED(device.GetId(&id))) endpoint.Id = Utf8(id);
    CoTaskMemFree(id);
    ComPtr<IPropertyStore> properties;
    PROPVARIANT name;
    PropVariantInit(&name);
    if (SUCCEEDED(device.OpenPropertyStore(STGM_READ, &properties)) &&
        SUCCEEDED(properties->GetValue(PKEY_Device_FriendlyName, &name)) && name.vt == VT_LPWSTR)
        endpoint.Name = Utf8(name.pwszVal);
    PropVariantClear(&name);
    if (endpoint.Name.empty()) endpoint.Name = endpoint.Id;
    return endpoint;
}

}  // namespace

// One endpoint's volume object and how it is moved.
struct OpenVolume {
    ComPtr<IAudioEndpointVolume> control;
    bool scalar = true;  // false once the scalar call answered E_NOTIMPL
    float bottomDb = -96.0f;
    float topDb = 0.0f;

    float Decibels(float level) const {
        if (level <= 0.0f) return bottomDb;
        return std::clamp(topDb + 20.0f * std::log10(level), bottomDb, topDb);
    }
    float Level(float decibels) const {
        if (decibels <= bottomDb) return 0.0f;
        return std::clamp(std::pow(10.0f, (decibels - topDb) / 20.0f), 0.0f, 1.0f);
    }
};

struct Win32AudioEndpoints::State {
    bool uninitialise = false;  // this object's CoInitializeEx counts
    ComPtr<IMMDeviceEnumerator> enumerator;
    std::map<std::string, OpenVolume> open;

    // The endpoint's volume object, activated on first use; nullptr when the endpoint is
    // gone or not active.
    OpenVolume* Volume(const std::string& id) {
        if (const auto it = open.find(id); it != open.end()) return &it->second;
        ComPtr<IMMDevice> device;
        DWORD state = 0;
        OpenVolume volume;
        if (!enumerator || FAILED(enumerator->GetDevice(Wide(id).c_str(), &device)) ||
            FAILED(device->GetState(&state)) || state != DEVICE_STATE_ACTIVE ||
            FAILED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                                    reinterpret_cast<void**>(volume.control.GetAddressOf()))))
            return nullptr;
        float step = 0.0f;
        if (FAILED(volume.control->GetVolumeRange(&volume.bottomDb, &volume.topDb, &step)) ||
            volume.bottomDb >= volume.topDb)
            volume.bottomDb = -96.0f, volume.topDb = 0.0f;
        return &open.emplace(id, std::move(volume)).first->second;
    }

    // The result code of a volume call; a failed call forgets the object, so the next one
    // looks the endpoint up again (it may be gone, or back).
    uint32_t Result(const std::string& id, HRESULT result) {
        if (SUCCEEDED(result)) return mmsyserr::kNoError;
        open.erase(id);
        return result == AUDCLNT_E_DEVICE_INVALIDATED ? mmsyserr::kNoDriver : mmsyserr::kError;
    }
};

Win32AudioEndpoints::Win32AudioEndpoints() : state_(std::make_unique<State>()) {
    // S_FALSE: already initialised here (Qt's Windows plugin does); RPC_E_CHANGED_MODE: the
    // thread is in the multithreaded apartment, where the endpoint objects work as well.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    state_->uninitialise = SUCCEEDED(com);
    if (SUCCEEDED(com) || com == RPC_E_CHANGED_MODE)
        CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                         IID_PPV_ARGS(&state_->enumerator));
}

Win32AudioEndpoints::~Win32AudioEndpoints() {
    const bool uninitialise = state_->uninitialise;
    state_.reset();  // every COM object released before COM goes
    if (uninitialise) CoUninitialize();
}

bool Win32AudioEndpoints::Reachable() const {
    return state_->enumerator != nullptr;
}

std::vector<AudioEndpoint> Win32AudioEndpoints::Active() {
    std::vector<AudioEndpoint> endpoints;
    ComPtr<IMMDeviceCollection> collection;
    UINT count = 0;
    if (!state_->enumerator ||
        FAILED(state_->enumerator->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &collection)) ||
        FAILED(collection->GetCount(&count)))
        return endpoints;
    for (UINT i = 0; i < count; ++i) {
        ComPtr<IMMDevice> device;
        if (SUCCEEDED(collection->Item(i, &device))) endpoints.push_back(Describe(*device.Get()));
    }
    return endpoints;
}

uint32_t Win32AudioEndpoints::GetVolume(const std::string& id, uint32_t& value) {
    OpenVolume* volume = state_->Volume(id);
    if (!volume) return mmsyserr::kNoDriver;
    float level = 0.0f, decibels = 0.0f;
    const HRESULT result = volume->scalar ? volume->control->GetMasterVolumeLevelScalar(&level)
                                          : volume->control->GetMasterVolumeLevel(&decibels);
    if (!volume->scalar) level = volume->Level(decibels);
    if (SUCCEEDED(result)) value = static_cast<uint32_t>(std::lround(level * 65535.0f));
    return state_->Result(id, result);
}

uint32_t Win32AudioEndpoints::SetVolume(const std::string& id, uint32_t value) {
    OpenVolume* volume = state_->Volume(id);
    if (!volume) return mmsyserr::kNoDriver;
    const float level = static_cast<float>(value) / 65535.0f;
    if (volume->scalar) {
        const HRESULT result = volume->control->SetMasterVolumeLevelScalar(level, nullptr);
        if (result != E_NOTIMPL) return state_->Result(id, result);
        volume->scalar = false;
    }
    return state_->Result(id,
                          volume->control->SetMasterVolumeLevel(volume->Decibels(level), nullptr));
}

std::string Win32AudioEndpoints::ErrorText(uint32_t /*code*/) {
    // The codes are the generic ones, whose texts the program has itself.
    return {};
}
