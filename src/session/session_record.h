#pragma once
// The values of one session: every field of the session field table as the text the page shows (volumes
// and millimetre lengths converted to the unit system), the part-status stamp, the pit stop rows and the
// lap data of the four driver slots. The setup used is held by the setup model.
#include "session_fields.h"
#include "timing/lap_data.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

struct SessionRecord {
    QString vehicle;             // vehicle code of the file ("mc", "sidecar", "gokart", "car")
    std::vector<QString> fields; // parallel to SessionFields(); notes hold their lines joined by "\n"
    double partStatusStamp = 0;  // date-time the part status was updated from this session; 0 when not
    std::vector<QStringList> pitStopRows; // used rows, kPitStopColumns cells each
    LapData lapData;                      // as read from the file or collected for writing
    // Converted values read from a file: id ("section/key") -> (text shown, text stored). A shown text
    // that is still unchanged is written back as the stored text, so loading and saving in gallons or
    // inches never shifts a stored value.
    QHash<QString, std::pair<QString, QString>> metricOrigins;

    SessionRecord() : fields(SessionFields().size()) {}

    QString& Field(int index) { return fields[size_t(index)]; }
    const QString& Field(int index) const { return fields[size_t(index)]; }
    // By section and key; the empty text for a key that is no field.
    QString Value(const QString& section, const QString& key) const {
        const int index = SessionFieldIndex(section, key);
        return index < 0 ? QString() : fields[size_t(index)];
    }
    QString Track() const { return Value(SessionKeys::Conditions, SessionKeys::Track); }
};
