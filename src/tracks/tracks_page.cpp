#include "tracks_page.h"

#include "storage/atomic_file.h"
#include "storage/text_helpers.h"
#include "storage/translate.h"
#include "track_links.h"
#include "track_media_files.h"
#include "track_names.h"

#include <QDir>
#include <QFileInfo>

TracksPage::TracksPage(Prompter& prompter, Shell& shell, QString dataDir)
    : m_prompter(prompter), m_shell(shell), m_dataDir(std::move(dataDir)) {
}

void TracksPage::Changed() {
    changed.Emit();
}

void TracksPage::NamesChanged() {
    trackNamesChanged.Emit(m_list.Names());
}

const TTrackInfo* TracksPage::FindTrack(const QString& name) const {
    const int index = m_list.IndexOf(name);
    return index >= 0 ? &m_list.At(index).info : nullptr;
}

void TracksPage::SetDirty(bool dirty) {
    m_dirty = dirty;
}

QString TracksPage::PageCaption() const {
    const QString caption = Translate("Tracks");
    return m_dirty ? AddDirtyMark(caption) : caption;
}

std::optional<TrackField> TracksPage::TakeFocusRequest() {
    return std::exchange(m_focusRequest, std::nullopt);
}

QString TracksPage::SelectedName() const {
    return m_selected >= 0 ? m_list.At(m_selected).name : QString();
}

void TracksPage::SetUnits(const TrackUnits& units) {
    if (units == m_units) return;
    const TrackUnits previous = m_units;
    m_units = units;
    // The captions follow even when no track is shown.
    if (m_selected >= 0) {
        for (const TrackFieldInfo& field : TrackFields()) {
            QString& shown = m_shown[std::size_t(field.field)];
            if (field.unit == TrackUnit::Fuel)
                shown = ShownTrackValue(field.unit, m_list.At(m_selected).info.*field.member, m_units);
            else
                shown = ReshownTrackValue(field.unit, shown, previous, m_units);
        }
    }
    Changed();
}

void TracksPage::LoadTrackList(const QString& selectName) {
    m_list = LoadTrackListFile(
        m_dataDir, m_units, [this](const QString& message) { m_prompter.ShowError(message); },
        &m_fileUnreadable);
    m_selected = m_list.IndexOf(selectName);
    ShowSelected();
    SetDirty(false);
    NamesChanged();
    Changed();
}

void TracksPage::ShowSelected() {
    // Filling the fields is no edit: the changed state is left as it was.
    m_shown.fill(QString());
    m_notes.clear();
    if (m_selected >= 0) {
        const TTrackInfo& track = m_list.At(m_selected).info;
        for (const TrackFieldInfo& field : TrackFields())
            m_shown[std::size_t(field.field)] = ShownTrackValue(field.unit, track.*field.member, m_units);
        m_notes = track.Notes;
    }
}

void TracksPage::TrackComboBoxChange(int index) {
    m_selected = index >= 0 && index < m_list.Count() ? index : -1;
    ShowSelected();
    Changed();
}

bool TracksPage::SelectTrack(const QString& name) {
    const int index = m_list.IndexOf(name);
    if (index < 0) return false;
    TrackComboBoxChange(index);
    return true;
}

void TracksPage::TrackComboBoxDropDown() {
    if (m_dirty && m_prompter.AskYesNo(Translate("Unsaved changes exists, save now?")) == Answer::Yes)
        SaveTracksButtonClick();
}

void TracksPage::SetField(TrackField field, const QString& text) {
    if (m_selected < 0 || !TrackFieldOf(field).onPage) return;
    m_shown[std::size_t(field)] = text;
    SetDirty(true);
    Changed();
}

void TracksPage::SetNotes(const QStringList& notes) {
    if (m_selected < 0) return;
    m_notes = notes;
    SetDirty(true);
    Changed();
}

void TracksPage::SetPicture(const QString& path) {
    if (m_selected < 0) return;
    m_list.At(m_selected).info.Picture = path;
    m_shown[std::size_t(TrackField::Picture)] = path;
    SetDirty(true);
    Changed();
}

QString TracksPage::PictureFile() const {
    const QString path = ResolveDataPath(m_dataDir, Field(TrackField::Picture));
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

void TracksPage::SetMovie(const QString& path) {
    if (m_selected < 0) return;
    m_list.At(m_selected).info.Movie = path;
    m_shown[std::size_t(TrackField::Movie)] = path;
    SetDirty(true);
    Changed();
}

QString TracksPage::MovieLabel() const {
    return Field(TrackField::Movie);
}

QString TracksPage::MovieFile() const {
    const QString path = ResolveDataPath(m_dataDir, Field(TrackField::Movie));
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

bool TracksPage::ExternalViewerEnabled() const {
    return MovieTargetOf(m_dataDir, Field(TrackField::Movie)).has_value();
}

bool TracksPage::SaveTracksButtonClick() {
    if (m_selected >= 0) {
        if (Field(TrackField::Length).trimmed().isEmpty()) {
            m_focusRequest = TrackField::Length;
            m_prompter.ShowError(Translate("You have to enter a track length"));
            focusRequested.Emit();
            return false;
        }
        TTrackInfo& track = m_list.At(m_selected).info;
        for (const TrackFieldInfo& field : TrackFields())
            if (field.onPage)
                track.*field.member =
                    StoredTrackValue(field.unit, m_shown[std::size_t(field.field)], m_units);
        track.Notes = m_notes;
    }
    // A track file that could not be read is not written over with the (empty) list shown instead.
    if (m_fileUnreadable) {
        m_prompter.ShowError(Fill(Translate("%s could not be read and is left as it is."),
                                  PathForMessage(TrackListPath(m_dataDir))));
        return false;
    }
    const auto written = SaveTrackListFile(TrackListPath(m_dataDir), m_list, m_dataDir);
    if (!written) {
        // The list stays in memory, unsaved.
        m_prompter.ShowError(written.error());
        return false;
    }
    SetDirty(false);
    Changed();
    return true;
}

bool TracksPage::RefuseWhenFull() {
    if (!m_list.IsFull()) return false;
    // The file holds at most this many: a further track would be gone after the next start.
    m_prompter.ShowError(Fill(Translate("The track list is full: it can hold at most %d tracks."),
                              QString::number(kMaxTracks)));
    return true;
}

std::optional<QString> TracksPage::AskNewName(const QString& caption, const QString& prompt,
                                              const QString& initial, int keep) {
    for (;;) {
        const auto answer = m_prompter.AskText(caption, prompt, initial);
        if (!answer) return std::nullopt;
        const QString name = TrimTrackName(*answer);
        if (name.isEmpty()) return std::nullopt;
        const TrackNameProblem problem = CheckTrackName(name);
        QString refusal;
        const int existing = m_list.IndexOf(name);
        if (problem != TrackNameProblem::None)
            refusal = TrackNameProblemText(problem, name);
        else if (existing >= 0 && existing != keep)
            refusal = Fill(Translate("Track %s already exists! Try again?"), name);
        else if (existing >= 0 && m_list.At(existing).name == name)
            return std::nullopt; // unchanged
        if (refusal.isEmpty()) return name;
        if (m_prompter.AskErrorYesNo(refusal) != Answer::Yes) return std::nullopt;
    }
}

void TracksPage::AddTrackButtonClick() {
    if (RefuseWhenFull()) return;
    const auto name = AskNewName(Translate("Add Track"), Translate("Enter name of track"), QString(), -1);
    if (!name) return;
    m_list.Append(*name);
    m_selected = m_list.Count() - 1;
    ShowSelected();
    SetDirty(true);
    NamesChanged();
    Changed();
}

void TracksPage::CopyTrackButtonClick() {
    if (m_selected < 0 || RefuseWhenFull()) return;
    const NamedTrack source = m_list.At(m_selected);
    if (m_prompter.AskOkCancel(Fill(Translate("Copy track %s?"), source.name)) != Answer::Ok) return;
    const QString prefix = Translate("Copy of") + u' ';
    QString name = prefix + source.name;
    while (m_list.Contains(name))
        name.prepend(prefix);
    TTrackInfo copy = source.info;
    copy.Movie.clear();
    m_list.Append(name, copy);
    m_selected = m_list.Count() - 1;
    ShowSelected();
    SetDirty(true);
    NamesChanged();
    Changed();
}

void TracksPage::EditTrackButtonClick() {
    if (m_selected < 0) return;
    const QString current = m_list.At(m_selected).name;
    const auto name =
        AskNewName(Translate("Edit track"), Fill(Translate("Rename %s to"), current), current, m_selected);
    if (!name) return;
    m_list.At(m_selected).name = *name;
    // The shown track keeps what was typed on the page: only its name changed.
    SetDirty(true);
    NamesChanged();
    Changed();
}

void TracksPage::DeleteTrackButtonClick() {
    if (m_selected < 0) return;
    if (m_prompter.AskOkCancel(Fill(Translate("Delete track %s?"), SelectedName())) != Answer::Ok) return;
    m_list.Remove(m_selected);
    m_selected = m_list.Count() > 0 ? 0 : -1;
    ShowSelected();
    SetDirty(true);
    NamesChanged();
    Changed();
}

bool TracksPage::TracksTabSheetExit() {
    if (!m_dirty) return true;
    const QString question = Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Track"));
    switch (m_prompter.AskYesNoCancel(question)) {
    case Answer::Yes:
        // A refused or failed save keeps the user on the page, where the data can still be saved.
        return SaveTracksButtonClick();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void TracksPage::TrackLaunchBrowserSpeedButtonClick() {
    const QString text = Field(TrackField::Homepage);
    if (text.trimmed().isEmpty()) return;
    const auto address = WebAddressOf(text);
    if (!address) {
        m_prompter.ShowError(Fill(Translate("%s is not a web address."), text));
        return;
    }
    if (!m_shell.Open(*address))
        m_prompter.ShowError(
            Translate("Unable to start web browser. Make sure you have it properly set-up on your system."));
}

void TracksPage::SendEmail(TrackField field) {
    if (!m_shell.Open(MailtoOf(Field(field))))
        m_prompter.ShowError(Translate(
            "Unable to start E-mail program. Make sure you have it properly set-up on your system."));
}

void TracksPage::TrackContact1SendEmailSpeedButtonClick() {
    SendEmail(TrackField::Contact1Email);
}

void TracksPage::TrackContact2SendEmailSpeedButtonClick() {
    SendEmail(TrackField::Contact2Email);
}

void TracksPage::ViewMovieInExternalPlayerButtonClick() {
    const auto target = MovieTargetOf(m_dataDir, Field(TrackField::Movie));
    if (!target || !m_shell.Open(*target))
        m_prompter.ShowError(
            Translate("Unable to show movie, make sure you have a suitable movieplayer installed."));
}

void TracksPage::SelectTrackMapButtonClick() {
    if (m_selected < 0) return;
    const QString folder = QDir(m_dataDir).filePath(QStringLiteral("Tracks"));
    const auto chosen =
        m_prompter.ChooseOpenFile(Translate("Select track map"), folder, TrackPictureFilter());
    if (!chosen || chosen->isEmpty()) return;
    QString path = *chosen;
    if (!FileIsInFolder(path, folder)) {
        // A failed copy is no reason to refuse the picture: the chosen path is kept.
        const QString copy = CopyIntoFolder(path, folder);
        if (!copy.isEmpty()) path = copy;
    }
    SetPicture(path);
}

void TracksPage::SelectMovieButtonClick(const QString& chosen) {
    if (m_selected < 0) return;
    QString path = chosen.trimmed();
    if (path.isEmpty()) return;
    const QString moviesFolder = QDir(m_dataDir).filePath(QStringLiteral("Tracks/Movies"));
    if (path.startsWith(QLatin1String("http"), Qt::CaseInsensitive)) {
        m_prompter.ShowInformation(
            Translate("This file must be played using your default player,\nto play it in Vorlapa first "
                      "download it and then select the\ndownloaded file"));
    } else if (const QString file = ResolveDataPath(m_dataDir, path);
               QFileInfo(file).isFile() && !FileIsInFolder(file, moviesFolder)) {
        const QString question =
            Translate("This file is not located in the Tracks\\Movies folder\ndo you want to copy it there?");
        if (m_prompter.AskYesNo(question) == Answer::Yes) {
            const QString copy = CopyIntoFolder(file, moviesFolder);
            if (!copy.isEmpty()) path = copy;
        }
    }
    SetMovie(path);
}

void TracksPage::OpenNotesLink(const QString& link) {
    const auto address = WebAddressOf(link);
    if (!address) {
        m_prompter.ShowError(Fill(Translate("%s is not a web address."), link));
        return;
    }
    if (!m_shell.Open(*address))
        m_prompter.ShowError(
            Translate("Unable to start web browser. Make sure you have it properly set-up on your system."));
}

void TracksPage::ImportTracksButtonClick() {
    const auto file = m_prompter.ChooseOpenFile(Translate("Import Tracks"), QString(),
                                                Translate("Track files") + QStringLiteral(" (*.txt)"));
    if (!file || file->isEmpty()) return;
    QString error;
    const auto package = ReadTrackPackage(*file, m_list, m_units, &error);
    if (!package) {
        m_prompter.ShowError(error);
        return;
    }
    for (const QString& refusal : package->refusals)
        m_prompter.ShowWarning(refusal);
    if (!requestImportChoice) return;
    const auto chosen = requestImportChoice(*package);
    if (!chosen || chosen->isEmpty()) return;
    const TrackImportResult result =
        ImportTracks(m_list, *package, *chosen, m_dataDir, [this](const QString& target) {
            return m_prompter.AskYesNo(Fill(Translate("The file %s exists, overwrite it?"),
                                            QDir::toNativeSeparators(target))) == Answer::Yes;
        });
    for (const QString& refusal : result.refusals)
        m_prompter.ShowWarning(refusal);
    if (result.imported.isEmpty()) return;
    if (m_selected < 0 && m_list.Count() > 0) {
        m_selected = 0;
        ShowSelected();
    }
    SetDirty(true);
    NamesChanged();
    Changed();
}
