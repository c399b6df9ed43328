#include "track_names.h"

#include "storage/text_helpers.h"
#include "storage/translate.h"

QString TrimTrackName(const QString& name) {
    return TrimControl(name).trimmed();
}

TrackNameProblem CheckTrackName(const QString& name) {
    if (name.isEmpty()) return TrackNameProblem::Empty;
    for (const QChar c : name) {
        if (c == u';' || c == u'[' || c == u']' || c.category() == QChar::Other_Control)
            return TrackNameProblem::BadCharacter;
        // Line and paragraph separators would split the line for some readers too.
        if (c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
            return TrackNameProblem::BadCharacter;
    }
    if (SameTrackName(name, QStringLiteral("general")) || SameTrackName(name, QStringLiteral("tracks")))
        return TrackNameProblem::Reserved;
    return TrackNameProblem::None;
}

QString TrackNameProblemText(TrackNameProblem problem, const QString& name) {
    switch (problem) {
    case TrackNameProblem::Empty:
        return Translate("A track name can not be empty. Try again?");
    case TrackNameProblem::BadCharacter:
        return Fill(Translate("A track name can not contain ; [ ] or control characters (%s). Try again?"),
                    name);
    case TrackNameProblem::Reserved:
        return Fill(Translate("%s can not be used as a track name. Try again?"), name);
    case TrackNameProblem::None:
        break;
    }
    return QString();
}

bool SameTrackName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
