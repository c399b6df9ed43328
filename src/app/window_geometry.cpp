#include "window_geometry.h"
#include "storage/translate.h"

#include <functional>
#include <vector>

namespace {

const QString kGroup = QStringLiteral("Coords");

struct GeometryValue {
    QString name;
    std::function<int&(WindowGeometry&)> ref; // empty for "Maximized"
};

std::vector<GeometryValue> Values() {
    std::vector<GeometryValue> values;
    values.push_back({QStringLiteral("FormWidth"), [](WindowGeometry& g) -> int& { return g.formWidth; }});
    values.push_back({QStringLiteral("FormHeight"), [](WindowGeometry& g) -> int& { return g.formHeight; }});
    values.push_back({QStringLiteral("Maximized"), {}});
    for (int slot = 0; slot < 4; ++slot) {
        const QString prefix = QStringLiteral("Timer%1").arg(slot + 1);
        values.push_back({prefix + QStringLiteral("Top"),
                          [slot](WindowGeometry& g) -> int& { return g.timers[slot].top; }});
        values.push_back({prefix + QStringLiteral(N_("Left")),
                          [slot](WindowGeometry& g) -> int& { return g.timers[slot].left; }});
        values.push_back({prefix + QStringLiteral("Width"),
                          [slot](WindowGeometry& g) -> int& { return g.timers[slot].width; }});
        values.push_back({prefix + QStringLiteral("Height"),
                          [slot](WindowGeometry& g) -> int& { return g.timers[slot].height; }});
    }
    values.push_back(
        {QStringLiteral("PitPanelTop"), [](WindowGeometry& g) -> int& { return g.pitPanelTop; }});
    values.push_back(
        {QStringLiteral("PitPanelLeft"), [](WindowGeometry& g) -> int& { return g.pitPanelLeft; }});
    values.push_back(
        {QStringLiteral("TireListTreeWidth"), [](WindowGeometry& g) -> int& { return g.tireListTreeWidth; }});
    values.push_back({QStringLiteral("TireDataPanelHeight"),
                      [](WindowGeometry& g) -> int& { return g.tireDataPanelHeight; }});
    values.push_back({QStringLiteral("CompletedSessionsTreeWidth"),
                      [](WindowGeometry& g) -> int& { return g.completedSessionsTreeWidth; }});
    return values;
}

std::optional<bool> ToBool(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    const QString text = value.toString().trimmed().toLower();
    if (text == u"true" || text == u"1") return true;
    if (text == u"false" || text == u"0") return false;
    return std::nullopt;
}

} // namespace

void ReadWindowGeometry(SettingsStore& store, WindowGeometry& geometry) {
    if (store.ChildKeys(kGroup).isEmpty()) return;
    for (const GeometryValue& entry : Values()) {
        const auto stored = store.Value(kGroup + u'/' + entry.name);
        if (!stored) return;
        if (!entry.ref) {
            const auto flag = ToBool(*stored);
            if (!flag) return;
            geometry.maximized = *flag;
            continue;
        }
        bool ok = false;
        const int number = stored->toString().trimmed().toInt(&ok);
        if (!ok) return;
        entry.ref(geometry) = number;
    }
}

void WriteWindowGeometry(SettingsStore& store, const WindowGeometry& geometry) {
    WindowGeometry copy = geometry;
    for (const GeometryValue& entry : Values()) {
        const QString key = kGroup + u'/' + entry.name;
        if (entry.ref)
            store.SetValue(key, entry.ref(copy));
        else
            store.SetValue(key, copy.maximized);
    }
}
