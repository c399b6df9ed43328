#pragma once
// The weight distribution page of the setup (car and kart): its inputs live in the setup, its mode and
// results here. Corner weights compute in the actual-weights mode, shares and the total weight in the
// desired mode; a loaded setup computes in the chosen mode. The picture beside the figures is a program
// setting.
#include "app/app_state.h"
#include "calc/weight_distribution.h"
#include "events/event.h"
#include "setup_model.h"

class WeightDistributionPage {
  public:
    WeightDistributionPage(AppState& state, SetupModel& setup);

    static constexpr const char* kSection = "weight_distribution";
    static constexpr const char* kSubPage = "Weight distribution";
    // The keys of the inputs: corners FL, FR, RL, RR.
    static QString WeightKey(int corner);
    static QString PercentKey(int corner);
    static QString TotalKey();
    static QString BallastKey();

    const WeightDistributionModel& Model() const { return m_model; }
    const WeightResults& Results() const { return m_model.Results(); }
    WeightMode Mode() const { return m_model.Mode(); }
    WeightInputs Inputs() const;
    QString Text(const QString& key) const;

    // A user edit of one of the page's inputs: marks the setup changed, then computes in the mode the
    // input belongs to.
    void SetText(const QString& key, const QString& text);
    // The mode switched: computes from the new mode's inputs; no edit of the setup.
    void SetMode(WeightMode mode);
    void Recalculate();

    // The picture: the existing file the settings name, else empty.
    QString PictureFile() const;
    // Right click on the picture: the picture dialog. An existing file is shown and kept, a missing one
    // clears the picture; the settings file is written at once. False when cancelled.
    bool ChoosePicture(const QString& filter);

    // The results or the picture changed.
    Event<> changed;

  private:
    AppState& m_state;
    SetupModel& m_setup;
    WeightDistributionModel m_model;
    Connections m_connections;
};
