#include "app/change_tracker.h"

#include "storage/text_helpers.h"
#include "storage/translate.h"

namespace {
const std::array<AreaInfo, kAreaCount>& AreaTable() {
    static const std::array<AreaInfo, kAreaCount> table{{
        {Area::Session, "SessionIsDirty", {N_("Active session")}, SaveButton::Session, "Session"},
        {Area::Setup, "SetupIsDirty", {N_("Setup")}, {}, {}},
        {Area::TireList, "TirelistIsDirty", {N_("Tire list")}, SaveButton::TireList, "Tire List"},
        {Area::Tracks, "TracksIsDirty", {"Tracks"}, SaveButton::Tracks, "Track"},
        {Area::Suppliers, "SuppliersIsDirty", {"Suppliers"}, SaveButton::Suppliers, "Suppliers"},
        {Area::OrderStatus,
         "OrderStatusIsDirty",
         {"Order status"},
         SaveButton::OrderStatus,
         N_("Order Status")},
        {Area::Maintenance,
         "MaintenanceIsDirty",
         {N_("Maintenance Log")},
         SaveButton::Maintenance,
         N_("Maintenance")},
        {Area::Schedule,
         "ScheduleIsDirty",
         {N_("Scheduled"), "Sessions"},
         SaveButton::Schedule,
         N_("Schedule")},
        {Area::PartStatus, "PartStatusIsDirty", {N_("Part status")}, SaveButton::PartStatus, "Part Status"},
        // The two general-notes editors enable their own Save buttons.
        {Area::GeneralNotes, {}, {}, {}, N_("General notes")},
    }};
    return table;
}
} // namespace

const AreaInfo& AreaInfoOf(Area area) {
    return AreaTable()[static_cast<int>(area)];
}

std::optional<Area> AreaByOperation(const QString& operation) {
    for (const auto& info : AreaTable())
        if (!operation.isEmpty() && info.operation == operation) return info.area;
    return std::nullopt;
}

ChangeTracker::ChangeTracker() = default;

QStringList ChangeTracker::CaptionsOf(Area area) const {
    QStringList captions = AreaInfoOf(area).captions;
    for (const QString& subPage : m_subPages[Index(area)])
        if (!captions.contains(subPage)) captions.append(subPage);
    return captions;
}

bool ChangeTracker::CaptionMarked(const QString& caption) const {
    for (const auto& info : AreaTable())
        if (m_changed[Index(info.area)] && CaptionsOf(info.area).contains(caption)) return true;
    return false;
}

QString ChangeTracker::CaptionText(const QString& caption) const {
    return m_captionTexts.value(caption, Translate(caption));
}

void ChangeTracker::SetCaptionMark(const QString& caption, bool marked) {
    const QString before = CaptionText(caption);
    const QString after = marked ? AddDirtyMark(before) : RemoveDirtyMark(before);
    m_captionTexts[caption] = after;
    if (after != before) captionChanged.Emit(caption, after);
}

void ChangeTracker::SetButton(const QString& id, bool enabled) {
    if (id.isEmpty() || m_enabledButtons.contains(id) == enabled) return;
    if (enabled)
        m_enabledButtons.insert(id);
    else
        m_enabledButtons.remove(id);
    saveButtonChanged.Emit(id, enabled);
}

void ChangeTracker::MarkChanged(Area area, const QString& subPage) {
    if (Converting()) return;
    const bool wasChanged = m_changed[Index(area)];
    m_changed[Index(area)] = true;
    if (!subPage.isEmpty()) m_subPages[Index(area)].insert(subPage);
    SetButton(AreaInfoOf(area).saveButton, true);
    for (const QString& caption : CaptionsOf(area))
        SetCaptionMark(caption, true);
    if (!wasChanged) flagChanged.Emit(area);
}

void ChangeTracker::MarkUnchanged(Area area) {
    const QStringList captions = CaptionsOf(area);
    const bool wasChanged = m_changed[Index(area)];
    m_changed[Index(area)] = false;
    m_subPages[Index(area)].clear();
    SetButton(AreaInfoOf(area).saveButton, false);
    for (const QString& caption : captions)
        SetCaptionMark(caption, CaptionMarked(caption));
    if (wasChanged) flagChanged.Emit(area);
}

void ChangeTracker::MarkAllUnchanged() {
    for (const auto& info : AreaTable())
        MarkUnchanged(info.area);
}
