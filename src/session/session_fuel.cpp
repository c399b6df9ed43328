#include "session_fuel.h"

#include "app/unit_captions.h"
#include "storage/number_format.h"
#include "storage/translate.h"

SessionFuel::SessionFuel(SessionModel& session, Prompter& prompter)
    : m_session(session), m_prompter(prompter) {
}

QString SessionFuel::Field(const QString& key) const {
    return m_session.Text(SessionKeys::SessionNotes, key);
}

bool SessionFuel::Litres() const {
    return m_session.Units().volumeUnit == Unit::Litres;
}

void SessionFuel::CalcFuelConsumptionAfterSession() {
    const Driver1Figures driver1 = requestDriver1 ? requestDriver1() : Driver1Figures{};
    SessionConsumptionInput in;
    in.fuelAtStart = m_session.Text(SessionKeys::Conditions, SessionKeys::AmountFuel);
    in.fuelAfter = Field(QStringLiteral("fuel_after_session"));
    in.laps = QString::number(driver1.lapCount);
    in.trackLength = requestTrackLength ? requestTrackLength() : QString();
    in.litres = Litres();
    in.startTime = driver1.startTime;
    in.stopTime = driver1.stopTime;
    in.pitStopMs = driver1.pitStopMs;
    const auto figures = SessionConsumptionOf(in);
    if (!figures) {
        m_prompter.ShowError(figures.error());
        return;
    }
    m_consumption = *figures;
}

std::vector<std::pair<QString, QString>> SessionFuel::ConsumptionLines() const {
    return SessionConsumptionLines(m_consumption, Litres());
}

QString SessionFuel::PitConsumption() const {
    const auto [dry, wet] =
        requestTrackConsumption ? requestTrackConsumption() : std::pair<QString, QString>{};
    return WetConsumption(dry, wet, Field(QStringLiteral("pitstop_wet_percent")));
}

void SessionFuel::CalcLapsToRun() {
    const int index = SessionFieldIndex(SessionKeys::SessionNotes, QStringLiteral("pitstop_laps_to_run"));
    m_session.SetFieldText(index, LapsToRun(Field(QStringLiteral("pitstop_time_to_run")),
                                            Field(QStringLiteral("pitstop_approx_lap_time"))));
}

std::vector<QStringList> SessionFuel::Rows() const {
    std::vector<QStringList> rows;
    for (int r = 0; r < m_session.PitStopRowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < kPitStopColumns; ++c)
            row << m_session.PitStopCell(r, c);
        rows.push_back(row);
    }
    return rows;
}

void SessionFuel::SetRows(const std::vector<QStringList>& rows) {
    while (m_session.PitStopRowCount() > 0)
        m_session.DeletePitStopRow(m_session.PitStopRowCount() - 1);
    for (int r = 0; r < int(rows.size()); ++r) {
        m_session.InsertPitStopRow(r);
        for (int c = 0; c < kPitStopColumns; ++c)
            m_session.SetPitStopCell(r, c, rows[size_t(r)].value(c));
    }
    m_session.MarkChanged();
}

bool SessionFuel::Recalculate(int fromLap) {
    const PitPlan plan = PlanPitStops(Rows(), fromLap,
                                      {Field(QStringLiteral("pitstop_fuel_tank_capacity")),
                                       Field(QStringLiteral("pitstop_fuel_least_amount")), PitConsumption(),
                                       Field(QStringLiteral("pitstop_laps_to_run")), Litres()});
    if (!plan.planned) {
        if (!plan.refusal.isEmpty()) m_prompter.ShowWarning(plan.refusal);
        return false;
    }
    SetRows(plan.rows);
    return true;
}

void SessionFuel::AskAndRecalculate(int proposal) {
    if (!requestRecalcLap) return;
    if (const auto lap = requestRecalcLap(proposal); lap && *lap >= 0) Recalculate(*lap);
}

bool SessionFuel::RecalculateWithDialog() {
    if (!requestRecalcLap) return false;
    const auto lap = requestRecalcLap(requestDriver1 ? requestDriver1().lapCount : 0);
    return lap && *lap >= 0 && Recalculate(*lap);
}

std::optional<QString> SessionFuel::CheckStop(const PitStopValues& values) const {
    if (IsIntegerText(values.lap.trimmed())) return std::nullopt;
    return Translate("You must enter a lap number!");
}

PitStopValues SessionFuel::Stop(int row) const {
    return {m_session.PitStopCell(row, 0).trimmed(), m_session.PitStopCell(row, 1).trimmed(),
            m_session.PitStopCell(row, 2).trimmed(), m_session.PitStopCell(row, 3).trimmed()};
}

bool SessionFuel::RowHasLap(int row) const {
    return row >= 0 && row < m_session.PitStopRowCount() &&
           IsIntegerText(m_session.PitStopCell(row, 0).trimmed());
}

namespace {
QStringList Trimmed(const PitStopValues& v) {
    return {v.lap.trimmed(), v.fuel.trimmed(), v.tires.trimmed(), v.other.trimmed()};
}
} // namespace

void SessionFuel::AddStop(const PitStopValues& values) {
    if (CheckStop(values)) return;
    std::vector<QStringList> rows = Rows();
    rows.push_back(Trimmed(values));
    SortPitStopRows(rows);
    SetRows(rows);
    if (!values.fuel.trimmed().isEmpty()) AskAndRecalculate(ParseInteger(values.lap.trimmed()).value_or(0));
}

void SessionFuel::EditStop(int row, const PitStopValues& values) {
    if (!RowHasLap(row) || CheckStop(values)) return;
    const PitStopValues before = Stop(row);
    std::vector<QStringList> rows = Rows();
    rows[size_t(row)] = Trimmed(values);
    SortPitStopRows(rows);
    SetRows(rows);
    if (before.fuel != values.fuel.trimmed() || before.lap != values.lap.trimmed())
        AskAndRecalculate(requestDriver1 ? requestDriver1().lapCount : 0);
}

void SessionFuel::DeleteStop(int row) {
    if (!RowHasLap(row)) return;
    const bool hadFuel = !Stop(row).fuel.isEmpty();
    std::vector<QStringList> rows = Rows();
    rows.erase(rows.begin() + row);
    SortPitStopRows(rows);
    SetRows(rows);
    if (hadFuel) AskAndRecalculate(requestDriver1 ? requestDriver1().lapCount : 0);
}
