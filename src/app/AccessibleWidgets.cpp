#include "app/AccessibleWidgets.h"

#include <QAccessibleWidget>

#include "app/StatusPanel.h"
#include "measure/EnvelopeChart.h"

namespace {
class ChartAccessible final : public QAccessibleWidget {
public:
    explicit ChartAccessible(EnvelopeChart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) return static_cast<EnvelopeChart*>(widget())->Summary();
        return QAccessibleWidget::text(t);
    }
};

class StatusWordAccessible final : public QAccessibleWidget {
public:
    StatusWordAccessible(QWidget* label, const StatusPanel& panel)
        : QAccessibleWidget(label, QAccessible::StaticText), panel_(panel) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return panel_.AnnouncedStatus();
        return QAccessibleWidget::text(t);
    }

private:
    const StatusPanel& panel_;
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("EnvelopeChart"))
        return new ChartAccessible(static_cast<EnvelopeChart*>(object));
    // The main window, the history and the best-level windows are plain widgets: windows.
    if (className == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("StatusPanel"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    if (className != QLatin1String("QLabel") || object->objectName() != QLatin1String("statusWord"))
        return nullptr;
    const auto* panel = qobject_cast<const StatusPanel*>(object->parent());
    return panel ? new StatusWordAccessible(static_cast<QWidget*>(object), *panel) : nullptr;
}
}  // namespace

void InstallAccessibleWidgets() {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeInterface);
        return true;
    }();
    (void)installed;
}
