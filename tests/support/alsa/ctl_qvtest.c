/* A small ALSA control device for the mixer tests: "Master Playback Volume" (0..255)
 * with "Master Playback Switch", "PCM Playback Volume" (-500..500) and "Capture Volume"
 * (0..31), all stereo. The values live in a text file, one "name=left,right" line per
 * control, so a test can read what the program wrote and change values behind its back.
 *
 * Configuration:
 *   ctl_type.qvtest { lib "<path of this module>" }
 *   ctl.name { type qvtest state "<state file>" } */

#include <alsa/asoundlib.h>
#include <alsa/control_external.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { CHANNELS = 2, TEXT_MAX = 1024 };

static const struct {
    const char* name;
    int type;
    long min, max, initial;
} controls[] = {
    {"Master Playback Volume", SND_CTL_ELEM_TYPE_INTEGER, 0, 255, 200},
    {"Master Playback Switch", SND_CTL_ELEM_TYPE_BOOLEAN, 0, 1, 1},
    {"PCM Playback Volume", SND_CTL_ELEM_TYPE_INTEGER, -500, 500, 0},
    {"Capture Volume", SND_CTL_ELEM_TYPE_INTEGER, 0, 31, 20},
};
enum { CONTROL_COUNT = sizeof(controls) / sizeof(controls[0]) };

struct qvtest {
    snd_ctl_ext_t ext;
    char* state_path;
    long values[CONTROL_COUNT][CHANNELS];
    char seen[TEXT_MAX]; /* file text as last read or written */
    int pending_events;  /* value-change events still to report */
};

/* Refreshes the values from the file; a change made outside queues events. */
static void load(struct qvtest* qv) {
    char text[TEXT_MAX] = "";
    FILE* f = fopen(qv->state_path, "r");
    if (f) {
        text[fread(text, 1, TEXT_MAX - 1, f)] = '\0';
        fclose(f);
    }
    if (strcmp(text, qv->seen) != 0) {
        if (qv->ext.subscribed) qv->pending_events = CONTROL_COUNT;
        memcpy(qv->seen, text, sizeof(text));
    }
    for (int c = 0; c < CONTROL_COUNT; ++c) {
        qv->values[c][0] = qv->values[c][1] = controls[c].initial;
        const char* line = strstr(text, controls[c].name);
        if (line)
            sscanf(line + strlen(controls[c].name), "=%ld,%ld", &qv->values[c][0],
                   &qv->values[c][1]);
    }
}

static int save(struct qvtest* qv) {
    char text[TEXT_MAX];
    size_t used = 0;
    for (int c = 0; c < CONTROL_COUNT; ++c)
        used += (size_t)snprintf(text + used, sizeof(text) - used, "%s=%ld,%ld\n", controls[c].name,
                                 qv->values[c][0], qv->values[c][1]);
    FILE* f = fopen(qv->state_path, "w");
    if (!f) return -errno;
    const int failed = fputs(text, f) < 0;
    if (fclose(f) != 0 || failed) return -EIO;
    memcpy(qv->seen, text, sizeof(text));
    return 0;
}

static int qv_elem_count(snd_ctl_ext_t* ext) {
    (void)ext;
    return CONTROL_COUNT;
}

static int qv_elem_list(snd_ctl_ext_t* ext, unsigned int offset, snd_ctl_elem_id_t* id) {
    (void)ext;
    if (offset >= CONTROL_COUNT) return -EINVAL;
    snd_ctl_elem_id_set_interface(id, SND_CTL_ELEM_IFACE_MIXER);
    snd_ctl_elem_id_set_name(id, controls[offset].name);
    return 0;
}

static snd_ctl_ext_key_t qv_find_elem(snd_ctl_ext_t* ext, const snd_ctl_elem_id_t* id) {
    (void)ext;
    for (int c = 0; c < CONTROL_COUNT; ++c)
        if (strcmp(snd_ctl_elem_id_get_name(id), controls[c].name) == 0)
            return (snd_ctl_ext_key_t)c;
    return SND_CTL_EXT_KEY_NOT_FOUND;
}

static int qv_get_attribute(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, int* type, unsigned int* acc,
                            unsigned int* count) {
    (void)ext;
    *type = controls[key].type;
    *acc = SND_CTL_EXT_ACCESS_READWRITE;
    *count = CHANNELS;
    return 0;
}

static int qv_get_integer_info(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* imin, long* imax,
                               long* istep) {
    (void)ext;
    *imin = controls[key].min;
    *imax = controls[key].max;
    *istep = 1;
    return 0;
}

static int qv_read_integer(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* value) {
    struct qvtest* qv = ext->private_data;
    load(qv);
    memcpy(value, qv->values[key], sizeof(qv->values[key]));
    return 0;
}

static int qv_write_integer(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* value) {
    struct qvtest* qv = ext->private_data;
    load(qv);
    if (memcmp(qv->values[key], value, sizeof(qv->values[key])) == 0) return 0;
    memcpy(qv->values[key], value, sizeof(qv->values[key]));
    const int err = save(qv);
    return err < 0 ? err : 1;
}

static void qv_subscribe_events(snd_ctl_ext_t* ext, int subscribe) {
    struct qvtest* qv = ext->private_data;
    if (!subscribe) qv->pending_events = 0;
}

static int qv_read_event(snd_ctl_ext_t* ext, snd_ctl_elem_id_t* id, unsigned int* event_mask) {
    struct qvtest* qv = ext->private_data;
    load(qv);
    if (qv->pending_events <= 0) return -EAGAIN;
    snd_ctl_elem_id_set_interface(id, SND_CTL_ELEM_IFACE_MIXER);
    snd_ctl_elem_id_set_name(id, controls[--qv->pending_events].name);
    *event_mask = SND_CTL_EVENT_MASK_VALUE;
    return 1;
}

static void qv_close(snd_ctl_ext_t* ext) {
    struct qvtest* qv = ext->private_data;
    free(qv->state_path);
    free(qv);
}

static const snd_ctl_ext_callback_t qv_callback = {
    .close = qv_close,
    .elem_count = qv_elem_count,
    .elem_list = qv_elem_list,
    .find_elem = qv_find_elem,
    .get_attribute = qv_get_attribute,
    .get_integer_info = qv_get_integer_info,
    .read_integer = qv_read_integer,
    .write_integer = qv_write_integer,
    .subscribe_events = qv_subscribe_events,
    .read_event = qv_read_event,
};

SND_CTL_PLUGIN_DEFINE_FUNC(qvtest) {
    (void)root;
    const char* state = NULL;
    snd_config_iterator_t i, next;
    snd_config_for_each(i, next, conf) {
        snd_config_t* n = snd_config_iterator_entry(i);
        const char* id;
        if (snd_config_get_id(n, &id) == 0 && strcmp(id, "state") == 0 &&
            snd_config_get_string(n, &state) < 0)
            return -EINVAL;
    }
    if (!state) {
        SNDERR("qvtest needs a state file");
        return -EINVAL;
    }
    struct qvtest* qv = calloc(1, sizeof(*qv));
    if (!qv || !(qv->state_path = strdup(state))) {
        free(qv);
        return -ENOMEM;
    }
    load(qv);
    qv->ext.version = SND_CTL_EXT_VERSION;
    strncpy(qv->ext.id, "QvTest", sizeof(qv->ext.id) - 1);
    strncpy(qv->ext.name, "Quorvane Test", sizeof(qv->ext.name) - 1);
    qv->ext.poll_fd = -1;
    qv->ext.callback = &qv_callback;
    qv->ext.private_data = qv;
    const int err = snd_ctl_ext_create(&qv->ext, name, mode);
    if (err < 0) {
        qv_close(&qv->ext);
        return err;
    }
    *handlep = qv->ext.handle;
    return 0;
}

SND_CTL_PLUGIN_SYMBOL(qvtest) /* the macro ends in its own semicolon */
