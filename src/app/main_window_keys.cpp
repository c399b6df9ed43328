#include "app/main_window_keys.h"

#include <array>

QString LiveTimingActionName(LiveTimingAction action) {
    switch (action) {
    case LiveTimingAction::Stopwatch:
        return QStringLiteral("Stopwatch");
    case LiveTimingAction::UndoTime:
        return QStringLiteral("UndoTime");
    case LiveTimingAction::StartStop:
        return QStringLiteral("StartStop");
    case LiveTimingAction::PitInOut:
        return QStringLiteral("PitInOut");
    }
    return {};
}

namespace {
struct ModifierAction {
    Qt::KeyboardModifiers modifiers;
    LiveTimingAction action;
};
const std::array<ModifierAction, 4> kLiveTimingModifiers{{
    {Qt::NoModifier, LiveTimingAction::Stopwatch},
    {Qt::ShiftModifier, LiveTimingAction::UndoTime},
    {Qt::ControlModifier, LiveTimingAction::StartStop},
    {Qt::ControlModifier | Qt::ShiftModifier, LiveTimingAction::PitInOut},
}};

struct CtrlKey {
    int key;
    KeyCommand command;
};
const std::array<CtrlKey, 3> kCtrlKeys{{
    {Qt::Key_S, KeyCommand::Save},
    {Qt::Key_O, KeyCommand::OpenSession},
    {Qt::Key_F, KeyCommand::Find},
}};
} // namespace

std::optional<KeyAction> KeyActionFor(int key, Qt::KeyboardModifiers modifiers) {
    modifiers &= ~Qt::KeypadModifier;
    if (key >= Qt::Key_F5 && key <= Qt::Key_F8) {
        modifiers &= ~Qt::AltModifier; // Alt does not matter to the stopwatch keys
        for (const ModifierAction& entry : kLiveTimingModifiers)
            if (entry.modifiers == modifiers)
                return KeyAction{KeyCommand::LiveTiming, key - Qt::Key_F5 + 1, entry.action};
        return std::nullopt;
    }
    if (modifiers != Qt::ControlModifier) return std::nullopt;
    for (const CtrlKey& entry : kCtrlKeys)
        if (entry.key == key) return KeyAction{entry.command};
    return std::nullopt;
}

std::optional<Area> SaveAreaOfPage(const QStringList& shownPath) {
    if (shownPath.isEmpty()) return std::nullopt;
    const QString top = shownPath.first();
    if (top == u"Active session" || top == u"Setup") return Area::Session;
    if (top == u"Tracks") return Area::Tracks;
    if (top == u"Sessions") {
        if (shownPath.size() > 1 && shownPath.at(1) == u"Scheduled") return Area::Schedule;
        return std::nullopt;
    }
    if (top == u"Maintenance" && shownPath.size() > 1) {
        const QString sub = shownPath.at(1);
        if (sub == u"Maintenance Log") return Area::Maintenance;
        if (sub == u"Suppliers") return Area::Suppliers;
        if (sub == u"Part status") return Area::PartStatus;
    }
    return std::nullopt;
}

QList<QStringList> PagesLeft(const QStringList& fromPath, const QStringList& toPath) {
    qsizetype common = 0;
    while (common < fromPath.size() && common < toPath.size() && fromPath.at(common) == toPath.at(common))
        ++common;
    QList<QStringList> left;
    for (qsizetype depth = fromPath.size(); depth > common; --depth)
        left << fromPath.mid(0, depth);
    return left;
}
