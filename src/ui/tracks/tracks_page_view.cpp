#include "tracks_page_view.h"

#include "app/app_state.h"
#include "import_tracks_dialog.h"
#include "select_movie_dialog.h"
#include "storage/translate.h"
#include "track_movie_view.h"
#include "track_notes_edit.h"
#include "track_picture_view.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The track box offers to save unsaved changes each time its list is opened.
class TrackComboBox : public QComboBox {
  public:
    using QComboBox::QComboBox;
    std::function<void()> dropDown;
    void showPopup() override {
        if (dropDown) dropDown();
        QComboBox::showPopup();
    }
};

using F = TrackField;
// The fields of the "Track map" page, in the order shown.
constexpr std::array kTrackDataFields{
    F::Length,  F::Width, F::MainStraightLength, F::LeftTurns,         F::RightTurns, F::Surface, F::Altitude,
    F::Country, F::City,  F::FuelConsumptionDry, F::FuelConsumptionWet};

QString FieldName(TrackField field) {
    return QStringLiteral("trackField/") + QString::fromLatin1(TrackFieldOf(field).key);
}

} // namespace

TracksPageView::TracksPageView(TracksPage& model, AppState& state, QObject* parent)
    : QObject(parent), m_state(state), m_model(&model) {
    m_connections += m_model->changed.Connect([this] { Refresh(); });
    m_connections += m_model->focusRequested.Connect([this] { FocusRequested(); });
}

TracksPageView::~TracksPageView() {
    m_model->requestImportChoice = nullptr; // the dialog's parent goes with the window
}

QPushButton* TracksPageView::Button(const QString& name) const {
    return m_buttons.value(name);
}

QPushButton* TracksPageView::MakeButton(const QString& name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(Translate(caption), parent);
    button->setObjectName(name);
    m_buttons.insert(name, button);
    return button;
}

QLineEdit* TracksPageView::MakeEdit(TrackField field, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(FieldName(field));
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { m_model->SetField(field, text); });
    m_edits[std::size_t(field)] = edit;
    m_captions[std::size_t(field)] = new QLabel(parent);
    m_captions[std::size_t(field)]->setBuddy(edit);
    return edit;
}

void TracksPageView::Build(QTabWidget* pages, int index, const QHash<QString, QWidget*>& hosts) {
    // The track box and its commands sit above the sub-pages, so every sub-page shows the same track.
    auto* subPages = qobject_cast<QTabWidget*>(pages->widget(index));
    QWidget* trackMap = hosts.value(QStringLiteral("Track map"));
    QWidget* contactDetails = hosts.value(QStringLiteral("Contact details"));
    QWidget* movie = hosts.value(QStringLiteral("Movie"));
    if (!subPages || !trackMap || !contactDetails || !movie) return;
    m_subPages = subPages;
    const QString caption = pages->tabText(index);
    const QVariant path = subPages->property("pagePath");
    const bool current = pages->currentIndex() == index;
    pages->removeTab(index);
    auto* container = new QWidget(pages);
    container->setProperty("pagePath", path);
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(BuildHeader(container));
    subPages->setParent(container);
    layout->addWidget(subPages, 1);
    subPages->show(); // the tab widget hid it as a page it no longer holds
    pages->insertTab(index, container, caption);
    if (current) pages->setCurrentIndex(index);

    BuildTrackMap(trackMap);
    BuildContactDetails(contactDetails);
    BuildMovie(movie);
    m_built = true;
    Refresh();
}

QWidget* TracksPageView::BuildHeader(QWidget* parent) {
    auto* header = new QWidget(parent);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(6, 0, 6, 0);
    auto* box = new TrackComboBox(header);
    box->setObjectName(QStringLiteral("trackBox"));
    box->setMinimumWidth(240);
    box->dropDown = [this] { m_model->TrackComboBoxDropDown(); };
    connect(box, &QComboBox::activated, this, [this](int index) { m_model->TrackComboBoxChange(index); });
    m_trackBox = box;
    auto* label = new QLabel(Translate("Track"), header);
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box);
    connect(MakeButton(QStringLiteral("addTrack"), N_("Add track"), header), &QPushButton::clicked, this,
            [this] { m_model->AddTrackButtonClick(); });
    connect(MakeButton(QStringLiteral("copyTrack"), N_("Copy track"), header), &QPushButton::clicked, this,
            [this] { m_model->CopyTrackButtonClick(); });
    connect(MakeButton(QStringLiteral("editTrack"), "Edit track", header), &QPushButton::clicked, this,
            [this] { m_model->EditTrackButtonClick(); });
    connect(MakeButton(QStringLiteral("deleteTrack"), N_("Delete track"), header), &QPushButton::clicked,
            this, [this] { m_model->DeleteTrackButtonClick(); });
    connect(MakeButton(QStringLiteral("saveTracks"), "Save", header), &QPushButton::clicked, this,
            [this] { m_model->SaveTracksButtonClick(); });
    connect(MakeButton(QStringLiteral("importTracks"), N_("Import tracks"), header), &QPushButton::clicked,
            this, [this] { m_model->ImportTracksButtonClick(); });
    m_model->requestImportChoice = [header](const TrackPackage& package) {
        return ChooseTracksToImport(header->window(), package);
    };
    for (const char* name :
         {"addTrack", "copyTrack", "editTrack", "deleteTrack", "saveTracks", "importTracks"})
        row->addWidget(m_buttons.value(QString::fromLatin1(name)));
    row->addStretch(1);
    return header;
}

void TracksPageView::BuildTrackMap(QWidget* host) {
    m_trackMapHost = host;
    auto* layout = new QHBoxLayout(host);

    auto* left = new QVBoxLayout;
    auto* data = new QGroupBox(Translate("Track data"), host);
    auto* form = new QFormLayout(data);
    for (TrackField field : kTrackDataFields) {
        QLineEdit* edit = MakeEdit(field, data);
        form->addRow(m_captions[std::size_t(field)], edit);
    }
    data->setMinimumWidth(280);
    data->setMaximumWidth(380);
    left->addWidget(data);
    auto* notesBox = new QGroupBox(Translate("Notes"), host);
    auto* notesLayout = new QVBoxLayout(notesBox);
    m_notes = new TrackNotesEdit(notesBox);
    m_notes->edited = [this](const QStringList& lines) { m_model->SetNotes(lines); };
    m_notes->linkClicked = [this](const QString& link) { m_model->OpenNotesLink(link); };
    // Leaving the notes marks their links again; showing them is no edit.
    m_notes->left = [this] { m_notes->SetLines(m_model->Notes()); };
    notesLayout->addWidget(m_notes);
    notesBox->setMaximumWidth(380);
    left->addWidget(notesBox, 1);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    m_heading = new QLabel(host);
    m_heading->setObjectName(QStringLiteral("trackHeading"));
    QFont font = m_heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    m_heading->setFont(font);
    right->addWidget(m_heading);
    m_map = new TrackPictureView(host);
    right->addWidget(m_map, 1);
    auto* mapButtons = new QHBoxLayout;
    connect(MakeButton(QStringLiteral("selectTrackMap"), "Select track map", host), &QPushButton::clicked,
            this, [this] { m_model->SelectTrackMapButtonClick(); });
    mapButtons->addWidget(m_buttons.value(QStringLiteral("selectTrackMap")));
    mapButtons->addStretch(1);
    right->addLayout(mapButtons);
    layout->addLayout(right, 1);
}

void TracksPageView::BuildContactDetails(QWidget* host) {
    auto* layout = new QHBoxLayout(host);
    auto* box = new QGroupBox(Translate("Contact details"), host);
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto withButton = [&](TrackField field, QPushButton* button) {
        auto* row = new QHBoxLayout;
        row->addWidget(MakeEdit(field, box), 1);
        if (button) row->addWidget(button);
        form->addRow(m_captions[std::size_t(field)], row);
    };
    for (TrackField field : {F::Organisation, F::Address, F::Phone, F::Telefax, F::Accounts, F::Contact1})
        withButton(field, nullptr);
    auto* mail1 = MakeButton(QStringLiteral("writeEmail1"), "Write E-mail", box);
    connect(mail1, &QPushButton::clicked, this,
            [this] { m_model->TrackContact1SendEmailSpeedButtonClick(); });
    withButton(F::Contact1Email, mail1);
    withButton(F::Contact2, nullptr);
    auto* mail2 = MakeButton(QStringLiteral("writeEmail2"), "Write E-mail", box);
    connect(mail2, &QPushButton::clicked, this,
            [this] { m_model->TrackContact2SendEmailSpeedButtonClick(); });
    withButton(F::Contact2Email, mail2);
    auto* browse = MakeButton(QStringLiteral("goToHomePage"), "Go to home page", box);
    connect(browse, &QPushButton::clicked, this, [this] { m_model->TrackLaunchBrowserSpeedButtonClick(); });
    withButton(F::Homepage, browse);
    box->setMinimumWidth(420);
    box->setMaximumWidth(640);
    layout->addWidget(box, 0, Qt::AlignTop);
    layout->addStretch(1);
}

void TracksPageView::BuildMovie(QWidget* host) {
    m_movieHost = host;
    auto* layout = new QVBoxLayout(host);
    auto* buttons = new QHBoxLayout;
    connect(MakeButton(QStringLiteral("selectMovie"), N_("Select movie"), host), &QPushButton::clicked, this,
            [this] { SelectMovie(); });
    connect(MakeButton(QStringLiteral("externalViewer"), N_("External viewer"), host), &QPushButton::clicked,
            this, [this] {
                m_movie->Stop();
                m_model->ViewMovieInExternalPlayerButtonClick();
            });
    connect(MakeButton(QStringLiteral("playMovie"), N_("Play"), host), &QPushButton::clicked, this,
            [this] { m_movie->Open(); });
    connect(MakeButton(QStringLiteral("pauseMovie"), N_("Pause"), host), &QPushButton::clicked, this,
            [this] { m_movie->Pause(); });
    connect(MakeButton(QStringLiteral("stopMovie"), "Stop", host), &QPushButton::clicked, this,
            [this] { m_movie->Stop(); });
    for (const char* name : {"selectMovie", "externalViewer", "playMovie", "pauseMovie", "stopMovie"})
        buttons->addWidget(m_buttons.value(QString::fromLatin1(name)));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    m_movieLabel = new QLabel(host);
    m_movieLabel->setObjectName(QStringLiteral("movieLabel"));
    m_movieLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_movieLabel);
    m_movie = new TrackMovieView(host);
    m_movie->openingChanged = [this](bool opening) {
        m_movieOpening = opening;
        Refresh();
    };
    layout->addWidget(m_movie, 1);
    host->installEventFilter(this);
}

bool TracksPageView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_movieHost && m_movie) {
        // The movie plays while its page is shown and pauses when the page is left.
        if (event->type() == QEvent::Show && !m_model->MovieFile().isEmpty()) m_movie->Open();
        if (event->type() == QEvent::Hide) m_movie->Pause();
    }
    return QObject::eventFilter(watched, event);
}

void TracksPageView::SelectMovie() {
    if (!m_model->HasSelection()) return;
    TSelectMovieDialog dialog(m_model->MovieLabel(),
                              QDir(m_state.DataFolder()).filePath(QStringLiteral("Tracks/Movies")),
                              m_state.GetServices().prompter, m_movieHost);
    if (dialog.exec() == QDialog::Accepted) m_model->SelectMovieButtonClick(dialog.SelectedFile());
}

void TracksPageView::FocusRequested() {
    const auto field = m_model->TakeFocusRequest();
    if (!field || !m_built) return;
    QPointer<QLineEdit> edit = m_edits[std::size_t(*field)];
    // After the page change that asked has been undone: switching sub-pages from inside a leave check
    // would start another one.
    QTimer::singleShot(0, this, [this, edit] {
        if (!edit) return;
        if (m_subPages && m_trackMapHost && m_trackMapHost->isAncestorOf(edit))
            m_subPages->setCurrentWidget(m_trackMapHost);
        edit->setFocus();
        edit->selectAll();
    });
}

void TracksPageView::Refresh() {
    if (!m_built || !m_subPages) return;
    const TracksPage& model = *m_model;
    const bool has = model.HasSelection();

    const QStringList names = model.TrackNames();
    QStringList shownNames;
    for (int i = 0; i < m_trackBox->count(); ++i)
        shownNames << m_trackBox->itemText(i);
    {
        const QSignalBlocker block(m_trackBox);
        if (shownNames != names) {
            m_trackBox->clear();
            m_trackBox->addItems(names);
        }
        m_trackBox->setCurrentIndex(model.SelectedIndex());
    }

    for (int i = 0; i < kTrackFieldCount; ++i) {
        const auto field = TrackField(i);
        if (QLabel* caption = m_captions[std::size_t(i)]) caption->setText(model.Caption(field));
        QLineEdit* edit = m_edits[std::size_t(i)];
        if (!edit) continue;
        if (edit->text() != model.Field(field)) edit->setText(model.Field(field));
        edit->setEnabled(has);
    }
    m_heading->setText(model.OrganisationHeading());
    m_map->SetFile(model.PictureFile());
    if (m_notesShownFor != model.SelectedIndex() || m_notes->Lines() != model.Notes()) {
        m_notes->SetLines(model.Notes());
        m_notesShownFor = model.SelectedIndex();
    }
    m_notes->setEnabled(has);

    const QString movieFile = model.MovieFile();
    const bool newMovie = movieFile != m_movie->File();
    m_movie->SetFile(movieFile);
    if (newMovie && m_movieHost && m_movieHost->isVisible()) m_movie->Open();
    m_movieLabel->setText(m_movieOpening ? Translate("Opening file ") + movieFile : model.MovieLabel());

    for (const char* name : {"copyTrack", "editTrack", "deleteTrack", "selectTrackMap", "selectMovie"})
        m_buttons.value(QString::fromLatin1(name))->setEnabled(has);
    m_buttons.value(QStringLiteral("saveTracks"))->setEnabled(model.SaveEnabled());
    m_buttons.value(QStringLiteral("externalViewer"))->setEnabled(model.ExternalViewerEnabled());
    for (const char* name : {"playMovie", "pauseMovie", "stopMovie"})
        m_buttons.value(QString::fromLatin1(name))->setEnabled(!movieFile.isEmpty());
}
