#pragma once
// Change tracking of the data areas of the main window: one changed flag per area, the page captions that
// show "*" while an area is changed and the save buttons enabled with it. The window reads the caption
// texts and button states and is told of every change through the events.
#include "events/event.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

enum class Area {
    Session,
    Setup,
    TireList,
    Tracks,
    Suppliers,
    OrderStatus,
    Maintenance,
    Schedule,
    PartStatus,
    GeneralNotes
};
constexpr int kAreaCount = 10;

struct AreaInfo {
    Area area;
    QString operation; // the operation that marks it changed ("SessionIsDirty"); empty for the general notes
    QStringList captions; // page captions that get "*"; the setup also marks the sub-page being edited
    QString saveButton;   // id of the save button enabled while changed; empty when none
    QString leaveWord;    // %s of "Unsaved %s changes exists, save now?" (English); empty when never asked
};

const AreaInfo& AreaInfoOf(Area area);
std::optional<Area> AreaByOperation(const QString& operation);

// Save button ids.
namespace SaveButton {
inline const QString Session = QStringLiteral("SessionSave"); // toolbar "Save"
inline const QString TireList = QStringLiteral("TireListSave");
inline const QString Tracks = QStringLiteral("TracksSave");
inline const QString Suppliers = QStringLiteral("SuppliersSave");
inline const QString OrderStatus = QStringLiteral("OrderStatusSave");
inline const QString Maintenance = QStringLiteral("MaintenanceSave");
inline const QString Schedule = QStringLiteral("ScheduleSave");
inline const QString PartStatus = QStringLiteral("PartStatusSave");
} // namespace SaveButton

class ChangeTracker {
  public:
    ChangeTracker();

    bool IsChanged(Area area) const { return m_changed[Index(area)]; }
    // Sets the flag, enables the save button and appends "*" to the captions; subPage is one more caption
    // to mark (the setup sub-page being edited). Ignored while values are being converted.
    void MarkChanged(Area area, const QString& subPage = {});
    // Clears the flag, disables the button and removes the "*" from every caption the area marked (unless
    // another changed area still marks it).
    void MarkUnchanged(Area area);
    void MarkAllUnchanged();

    void SessionIsDirty() { MarkChanged(Area::Session); }
    void SetupIsDirty(const QString& subPage = {}) { MarkChanged(Area::Setup, subPage); }
    void TirelistIsDirty() { MarkChanged(Area::TireList); }
    void TracksIsDirty() { MarkChanged(Area::Tracks); }
    void SuppliersIsDirty() { MarkChanged(Area::Suppliers); }
    void OrderStatusIsDirty() { MarkChanged(Area::OrderStatus); }
    void MaintenanceIsDirty() { MarkChanged(Area::Maintenance); }
    void ScheduleIsDirty() { MarkChanged(Area::Schedule); }
    void PartStatusIsDirty() { MarkChanged(Area::PartStatus); }

    // The caption as shown: the translated caption, with "*" while an area marks it. caption is the
    // English page caption ("Active session").
    QString CaptionText(const QString& caption) const;
    bool SaveButtonEnabled(const QString& buttonId) const { return m_enabledButtons.contains(buttonId); }

    // A caption's shown text changed (English caption, shown text).
    Event<const QString&, const QString&> captionChanged;
    // A save button's enabled state changed (button id, enabled).
    Event<const QString&, bool> saveButtonChanged;
    // An area's changed flag flipped.
    Event<Area> flagChanged;

    // While converting (unit changes rewrite shown values), MarkChanged does nothing: conversions are no
    // user edits. Scopes nest.
    bool Converting() const { return m_converting > 0; }
    class ConversionScope {
      public:
        explicit ConversionScope(ChangeTracker* tracker) : m_tracker(tracker) {
            if (m_tracker) ++m_tracker->m_converting;
        }
        ~ConversionScope() {
            if (m_tracker) --m_tracker->m_converting;
        }
        ConversionScope(const ConversionScope&) = delete;
        ConversionScope& operator=(const ConversionScope&) = delete;

      private:
        ChangeTracker* m_tracker;
    };

  private:
    static int Index(Area area) { return static_cast<int>(area); }
    QStringList CaptionsOf(Area area) const;
    bool CaptionMarked(const QString& caption) const;
    void SetCaptionMark(const QString& caption, bool marked);
    void SetButton(const QString& id, bool enabled);

    std::array<bool, kAreaCount> m_changed{};
    std::array<QSet<QString>, kAreaCount> m_subPages;
    QHash<QString, QString> m_captionTexts; // caption -> shown text, for captions marked at least once
    QSet<QString> m_enabledButtons;
    int m_converting = 0;
};
