#include "setup_report.h"

#include "html_writer.h"
#include "session/setup_area_io.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "weight_figures.h"

#include <QDir>
#include <algorithm>

namespace {

using A = SetupArea;

class SetupReport {
  public:
    SetupReport(THTMLWriter& writer, const ReportContext& context, const SetupReportInput& input)
        : w(writer), c(context), in(input) {}

    void Write() {
        PartSetups();
        General();
        Jetting();
        Gearing();
        Engine();
        Suspension();
        WeightDistribution();
        Aerodynamics();
        Tires();
    }

  private:
    QString Esc(const QString& text) const { return ReportText(c, text); }
    QString Value(const char* section, const char* key) const {
        return in.record.Value(QString::fromLatin1(section), QString::fromLatin1(key));
    }
    static bool Filled(const QString& text) { return !text.trimmed().isEmpty(); }
    bool Has(const SetupField& field) const { return AppliesTo(field.vehicles, in.vehicle); }

    QString Caption(const SetupField& field) const {
        QString caption = Translate(field.Caption(in.miles));
        if (!field.qualifier.isEmpty())
            caption += QStringLiteral(" (") + Translate(field.qualifier) + QLatin1Char(')');
        return caption;
    }

    // Whether any text field of the area that the vehicle shows (and that the filter accepts) holds text.
    template <typename Filter> bool AnyField(A area, Filter filter) const {
        const auto& fields = SetupFields();
        for (size_t i = 0; i < fields.size(); ++i) {
            const SetupField& field = fields[i];
            if (field.area != area || !Has(field) || field.control == ControlKind::CheckBox) continue;
            if (filter(field) && Filled(in.record.Field(int(i)))) return true;
        }
        return false;
    }
    bool AnyField(A area) const {
        return AnyField(area, [](const SetupField&) { return true; });
    }

    // One row per field, in the order given, each only when the vehicle shows the field.
    void FieldRows(const char* section, std::initializer_list<const char*> keys) {
        for (const char* key : keys) {
            const int index = FieldIndex(QString::fromLatin1(section), QString::fromLatin1(key));
            if (index < 0) continue;
            const SetupField& field = SetupFields()[size_t(index)];
            if (!Has(field)) continue;
            w.WriteRow(Esc(Caption(field)), Esc(in.record.Field(index)));
        }
    }

    // The fields of an area (optionally of one group) in table order.
    void AreaRows(A area, const QString& group = QString()) {
        const auto& fields = SetupFields();
        for (size_t i = 0; i < fields.size(); ++i) {
            const SetupField& field = fields[i];
            if (field.area != area || !Has(field)) continue;
            if (field.control != ControlKind::Edit && field.control != ControlKind::HistoryBox) continue;
            if (!group.isNull() && field.group != group) continue;
            w.WriteRow(Esc(Caption(field)), Esc(in.record.Field(int(i))));
        }
    }

    void Header(A area, const QString& first, const QString& second = QString()) {
        if (!in.record.selectedNames[size_t(area)].isEmpty())
            w.WriteAnchoredSectionHeader(Esc(Translate(first)), Esc(Translate(second)), SetupAnchor(area));
        else
            w.WriteSectionHeader(Esc(Translate(first)), second.isEmpty() ? QString() : Esc(Translate(second)),
                                 true);
    }

    void PartSetups() {
        static const std::pair<A, const char*> rows[] = {{A::Tires, N_("Tire setup")},
                                                         {A::Suspension, N_("Suspension setup")},
                                                         {A::WeightDistribution, N_("Weight distr setup")},
                                                         {A::Aerodynamics, N_("Aerodynamics setup")},
                                                         {A::Engine, N_("Engine setup")},
                                                         {A::Gearing, N_("Gearing setup")},
                                                         {A::Jetting, N_("Jetting setup")},
                                                         {A::General, N_("General setup")}};
        if (!c.options.exportPartSetupNames) return;
        bool any = false;
        for (const auto& [area, label] : rows)
            any = any || (HasSetupArea(area, in.vehicle) && !in.record.selectedNames[size_t(area)].isEmpty());
        if (!any) return;
        w.WriteSectionHeader(Esc(Translate("Part setups")), QString(), true);
        w.BeginSectionCell();
        w.BeginTable();
        for (const auto& [area, label] : rows) {
            if (!HasSetupArea(area, in.vehicle)) continue;
            const QString& name = in.record.selectedNames[size_t(area)];
            if (name.isEmpty()) continue;
            w.WriteRow(Esc(Translate(label)), ReportLink(c, QLatin1Char('#') + SetupAnchor(area), name));
        }
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    void General() {
        if (!AnyField(A::General)) return;
        Header(A::General, QStringLiteral("General"), QStringLiteral("Notes"));
        w.BeginSectionCell();
        w.BeginTable();
        AreaRows(A::General);
        w.EndTable();
        w.EndSectionCell();
        w.BeginSectionCell();
        w.WriteText(ReportNotes(c, Value("general", "notes")));
        w.WriteLine(QStringLiteral("<FONT SIZE=\"1\">&nbsp;</FONT>"));
        w.EndSectionCell();
        w.EndSectionRow();
    }

    void Jetting() {
        const int cylinders = ReportCylinderCount(Value("jetting", "num_of_cylinders"));
        const SetupGrid& grid = Grid(GridId::Jetting);
        bool gridFilled = false;
        for (size_t r = 0; r < grid.rows.size(); ++r)
            for (int col = 0; col < cylinders; ++col)
                gridFilled = gridFilled || Filled(in.record.Cell(GridId::Jetting, int(r), col));
        const bool valvesFilled = AnyField(
            A::Jetting, [](const SetupField& f) { return f.key != QLatin1String("num_of_cylinders"); });
        if (!gridFilled && !valvesFilled) return;
        Header(A::Jetting, QStringLiteral(N_("Jetting")));
        w.BeginSectionCell();
        if (valvesFilled) {
            w.BeginTable();
            FieldRows("jetting",
                      {"cam_timing_intake", "cam_timing_exhaust", "valve_adj_intake", "valve_adj_exhaust"});
            w.EndTable();
            w.WriteLine(QStringLiteral("<HR>"));
        }
        w.BeginTable();
        if (cylinders > 1) {
            QStringList titles;
            for (int n = 1; n <= cylinders; ++n)
                titles << QString::number(n);
            w.WriteColumnHeaderRowN(cylinders, titles);
        }
        for (size_t r = 0; r < grid.rows.size(); ++r) {
            QStringList values;
            for (int col = 0; col < cylinders; ++col)
                values << Esc(in.record.Cell(GridId::Jetting, int(r), col));
            w.WriteRowN(cylinders, Esc(Translate(grid.rows[r].title)), values);
        }
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    GearingInputs GearInputs() const {
        static const char* ordinals[6] = {"first", "second", "third", "fourth", "fifth", "sixth"};
        GearingInputs g;
        const QString s = QStringLiteral("gearing");
        const auto v = [&](const QString& key) { return in.record.Value(s, key); };
        g.primaryInput = v(QStringLiteral("primary_drive_input"));
        g.primaryOutput = v(QStringLiteral("primary_drive_output"));
        for (int n = 0; n < 6; ++n) {
            const QString ordinal = QString::fromLatin1(ordinals[n]);
            g.gearInput[size_t(n)] = v(QStringLiteral("input_") + ordinal + QStringLiteral("_gear"));
            g.gearOutput[size_t(n)] = v(QStringLiteral("output_") + ordinal + QStringLiteral("_gear"));
            g.gearSymbol[size_t(n)] = v(QStringLiteral("symbol_") + ordinal + QStringLiteral("_gear"));
        }
        g.shaftDrive = in.record.IsChecked(s, QStringLiteral("uses_shaftdrive"));
        g.countershaft = v(QStringLiteral("countershaft"));
        g.rearSprocket = v(QStringLiteral("rear_sprocket"));
        g.shaftInput = v(QStringLiteral("shaftdrive_input"));
        g.shaftOutput = v(QStringLiteral("shaftdrive_output"));
        g.chain = v(QStringLiteral("chain"));
        g.tireCircumference = v(QStringLiteral("tire_circumference"));
        g.rpm = v(QStringLiteral("rpm"));
        g.lowLimit = v(QStringLiteral("rpm_powerband_low"));
        g.speedUnit = v(QStringLiteral("speed_unit"));
        // Speeds are computed in km/h unless the unit is "mph"; say so when the setup names no unit.
        if (g.speedUnit.trimmed().isEmpty()) g.speedUnit = QStringLiteral(N_("km/h"));
        return g;
    }

    void Gearing() {
        const bool filled =
            Filled(Value("gearing", "tire_circumference")) || AnyField(A::Gearing, [](const SetupField& f) {
                return f.group == QLatin1String("Gear box") || f.group == QLatin1String("Final drive");
            });
        if (!filled) return;
        const GearingInputs inputs = GearInputs();
        // Speeds at the chosen rpm, whatever mode the page shows the rpm column in.
        GearingModel model;
        model.SetDistanceUnitMiles(in.miles);
        model.SetInputs(inputs);
        const GearingView& view = model.View();

        Header(A::Gearing, QStringLiteral(N_("Gearing")));
        w.BeginSectionCell();
        w.BeginTable();
        if (inputs.shaftDrive) {
            if (IsDecimalText(inputs.shaftInput) && IsDecimalText(inputs.shaftOutput))
                w.WriteRow(Esc(Translate("Final gear")),
                           Esc(inputs.shaftInput + QLatin1Char(':') + inputs.shaftOutput));
        } else {
            FieldRows("gearing", {"countershaft", "rear_sprocket", "chain"});
        }
        const QStringList modes = GearCalcModeNames();
        const int mode = int(in.gearCalcMode);
        if (mode >= 0 && mode < modes.size())
            w.WriteRow(Esc(Translate("Gear calc mode")), Esc(modes.at(mode)));
        static const char* labels[6] = {N_("1st Gear"), N_("2nd Gear"), N_("3rd Gear"),
                                        N_("4th Gear"), N_("5th Gear"), N_("6th Gear")};
        const bool symbols =
            in.record.IsChecked(QStringLiteral("gearing"), QStringLiteral("use_gearing_symbols"));
        const int rpmField = FieldIndex(QStringLiteral("gearing"), QStringLiteral("rpm"));
        const QString rpmCaption = Translate(SetupFields()[size_t(rpmField)].caption);
        for (size_t n = 0; n < 6; ++n) {
            QString first = Esc(inputs.gearInput[n]);
            if (symbols && !inputs.gearInput[n].isEmpty())
                first = Esc(inputs.gearSymbol[n]) + QStringLiteral("&nbsp;&nbsp;") + first;
            const QString speed = view.gears[n].speed;
            const QString note =
                speed.isEmpty()
                    ? QString()
                    : Esc(speed + QStringLiteral(" @ ") + inputs.rpm + QLatin1Char(' ') + rpmCaption);
            w.WriteRatioRow(Esc(Translate(labels[n])), first, Esc(inputs.gearOutput[n]),
                            Esc(view.gears[n].ratio), note);
        }
        if (!(inputs.primaryInput == QLatin1String("1") && inputs.primaryOutput == QLatin1String("1")))
            w.WriteRatioRow(Esc(Translate("Primary drive")), Esc(inputs.primaryInput),
                            Esc(inputs.primaryOutput), Esc(view.primaryRatio), QString());
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    void Engine() {
        if (!AnyField(A::Engine)) return;
        Header(A::Engine, QStringLiteral(N_("Engine")));
        w.BeginSectionCell();
        w.BeginTable();
        FieldRows("engine", {"engine", "bore", "stroke", "pistons", "head", "exhaust", "clutch", "ignition",
                             "sparkplug", "gasoline", "gearbox_oil", "premix_oil", "premix_ratio", "other"});
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    // The stack table of the fork ("Fork") or the shock ("Shock"); nothing when its memos are empty.
    void ShimStacks(const char* section, const QString& part) {
        const auto memo = [&](const char* kind, const char* suffix) {
            return in.record.Value(QString::fromLatin1(section),
                                   QString::fromLatin1(kind) + QString::fromLatin1(suffix));
        };
        bool any = false;
        for (const char* kind : {"compression", "rebound"})
            for (const char* suffix : {"_shim_stack_1", "_shim_stack_2", "_shim_stack_comments"})
                any = any || Filled(memo(kind, suffix));
        if (!any) return;
        const auto stack = [&](const QString& lines) {
            QString cell;
            for (const QString& line : lines.split(QLatin1Char('\n')))
                if (!line.isEmpty() || lines.isEmpty()) cell += Esc(line) + QStringLiteral("<br>");
            return lines.isEmpty() ? QString() : cell;
        };
        w.WriteLine(QStringLiteral("<hr>"));
        w.BeginTable();
        w.WriteColumnHeaderRow3(Esc(Translate("Stack") + QStringLiteral(" 1")),
                                Esc(Translate("Stack") + QStringLiteral(" 2")), Esc(Translate("Comments")));
        for (const auto& [kind, label] :
             {std::pair{"compression", N_("Compression")}, std::pair{"rebound", N_("Rebound")}}) {
            QString comments = Esc(memo(kind, "_shim_stack_comments"));
            comments.replace(QLatin1Char('\n'), QStringLiteral("<BR>"));
            w.WriteRow3(Esc(Translate(part + QLatin1Char(' ') + QString::fromLatin1(label))),
                        stack(memo(kind, "_shim_stack_1")), stack(memo(kind, "_shim_stack_2")), comments);
        }
        w.EndTable();
    }

    void Suspension() {
        switch (in.vehicle) {
        case VehicleType::Car:
            return CarSuspension();
        case VehicleType::Kart:
            return KartSuspension();
        default:
            return BikeSuspension();
        }
    }

    void BikeSuspension() {
        if (!AnyField(A::Suspension)) return;
        const bool forkOrShock = AnyField(
            A::Suspension, [](const SetupField& f) { return f.section != QLatin1String("suspension"); });
        if (forkOrShock) {
            Header(A::Suspension, QStringLiteral(N_("Front Suspension")),
                   QStringLiteral(N_("Rear Suspension")));
            w.BeginSectionCell();
            w.BeginTable();
            FieldRows("suspension_front",
                      {"fork_id", "compression", "compression_fast", "rebound", "rebound_fast", "preload",
                       "springs", "sag_no_rider", "sag_with_rider", "fork_oil", "fork_oil_level", "fork_rake",
                       "fork_trail", "fork_height", "steering_damper", "compression_adj_valve",
                       "topout_spring", "bottoming_device"});
            w.EndTable();
            ShimStacks("suspension_front", QStringLiteral("Fork"));
            w.EndSectionCell();
            w.BeginSectionCell();
            w.BeginTable();
            FieldRows("suspension_rear", {"shock_id",
                                          "compression",
                                          "compression_fast",
                                          "rebound",
                                          "rebound_fast",
                                          "preload",
                                          "springs",
                                          "sag_no_rider",
                                          "sag_with_rider",
                                          "rideheight",
                                          "swingarm_pivot_pos",
                                          "axle_to_swingarm_distance",
                                          "rear_link",
                                          "shock_oil",
                                          "shock_free_length",
                                          "compression_adj_valve",
                                          "topout_spring",
                                          "bottoming_device",
                                          "nitrogen_pressure",
                                          "ifp_position"});
            w.EndTable();
            ShimStacks("suspension_rear", QStringLiteral("Shock"));
            w.EndSectionCell();
            w.EndSectionRow();
        }
        if (in.vehicle == VehicleType::Sidecar &&
            (Filled(Value("suspension", "side_toein")) || Filled(Value("suspension", "side_toeout")))) {
            w.WriteSectionHeader(Esc(Translate("Side Suspension")), QString(), true);
            w.BeginSectionCell();
            w.BeginTable();
            FieldRows("suspension", {"side_toein", "side_toeout"});
            w.EndTable();
            w.EndSectionCell();
            w.EndSectionRow();
        }
    }

    // A grid table: a header row of the given columns' titles and each row's cells in those columns.
    void GridTable(GridId id, const std::vector<int>& columns, const QStringList& titles) {
        const SetupGrid& grid = Grid(id);
        w.WriteColumnHeaderRowN(int(titles.size()), titles);
        for (size_t r = 0; r < grid.rows.size(); ++r) {
            QStringList values;
            for (int col : columns)
                values << Esc(in.record.Cell(id, int(r), col));
            w.WriteRowN(int(columns.size()), Esc(Translate(grid.rows[r].Title(in.miles))), values);
        }
    }

    QStringList Titles(std::initializer_list<const char*> titles) const {
        QStringList list;
        for (const char* title : titles)
            list << Esc(Translate(title));
        return list;
    }

    void PairRow(const char* label, const char* section1, const char* key1, const char* section2,
                 const char* key2) {
        w.WriteRow2(Esc(Translate(label)), Esc(Value(section1, key1)), Esc(Value(section2, key2)));
    }

    void CarSuspension() {
        const bool filled = AnyField(A::Suspension) ||
                            in.record.GridHasText(GridId::CarDampers, in.vehicle) ||
                            in.record.GridHasText(GridId::CarWheelAngles, in.vehicle);
        if (!filled) return;
        Header(A::Suspension, QStringLiteral(N_("Suspension (Dampers)")),
               QStringLiteral(N_("Suspension (Wheel Angles)")));
        w.BeginSectionCell();
        w.BeginTable();
        if (in.record.IsChecked(QStringLiteral("suspension"), QStringLiteral("f_mono_enabled")))
            GridTable(GridId::CarDampers, {0, 3, 4}, Titles({"Front", "RL", "RR"}));
        else
            GridTable(GridId::CarDampers, {1, 2, 3, 4}, Titles({"FL", "FR", "RL", "RR"}));
        w.EndTable();
        w.EndSectionCell();
        w.BeginSectionCell();
        w.BeginTable();
        GridTable(GridId::CarWheelAngles, {0, 1, 2, 3}, Titles({"FL", "FR", "RL", "RR"}));
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();

        w.WriteSectionHeader(Esc(Translate("Misc. Suspension")), QString(), true);
        w.BeginSectionCell();
        w.BeginTable();
        w.WriteColumnHeaderRow2(Esc(Translate("Front")), Esc(Translate("Rear")));
        PairRow(N_("Roll bar"), "front_susp", "f_rollbar", "rear_susp", "r_rollbar");
        PairRow(N_("Ride height"), "front_susp", "f_rideheight", "rear_susp", "r_rideheight");
        w.EndTable();
        if (Filled(Value("suspension", "f_brakebias")) || Filled(Value("suspension", "car_susp_other"))) {
            w.WriteLine(QStringLiteral("<HR>"));
            w.BeginTable();
            FieldRows("suspension", {"f_brakebias", "car_susp_other"});
            w.EndTable();
        }
        w.EndSectionCell();
        w.EndSectionRow();
    }

    void KartSuspension() {
        if (!AnyField(A::Suspension)) return;
        Header(A::Suspension, QStringLiteral(N_("Suspension")), QStringLiteral("Misc. Suspension"));
        w.BeginSectionCell();
        w.BeginTable();
        w.WriteColumnHeaderRow4(Esc(Translate("FL")), Esc(Translate("FR")), Esc(Translate("RL")),
                                Esc(Translate("RR")));
        w.WriteRow4(Esc(Translate("Camber")), Esc(Value("suspension_front", "kart_fl_camber")),
                    Esc(Value("suspension_front", "kart_fr_camber")),
                    Esc(Value("suspension_rear", "kart_rl_camber")),
                    Esc(Value("suspension_rear", "kart_rr_camber")));
        w.EndTable();
        w.WriteLine(QStringLiteral("<HR>"));
        w.BeginTable();
        w.WriteColumnHeaderRow2(Esc(Translate("Front")), Esc(Translate("Rear")));
        PairRow(N_("Torsion bar"), "suspension_front", "kart_torsionbar", "suspension_rear",
                "kart_torsionbar");
        PairRow(N_("Toe-in"), "suspension_front", "kart_toein", "suspension_rear", "kart_toein");
        PairRow(N_("Toe-out"), "suspension_front", "kart_toeout", "suspension_rear", "kart_toeout");
        PairRow(N_("Ride height"), "suspension_front", "kart_rideheight", "suspension_rear",
                "kart_rideheight");
        PairRow(N_("Wheel track"), "suspension_front", "kart_wheel_track", "suspension_rear",
                "kart_wheel_track");
        w.EndTable();
        w.EndSectionCell();
        w.BeginSectionCell();
        w.BeginTable();
        FieldRows("suspension_front", {"kart_caster"});
        FieldRows("suspension_rear", {"kart_axle_diameter", "kart_axle_stiffness"});
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    void WeightDistribution() {
        if (!HasSetupArea(A::WeightDistribution, in.vehicle) || !AnyField(A::WeightDistribution)) return;
        const WeightResults f = ComputeWeightFigures(in.record, in.weightMode);
        Header(A::WeightDistribution, QStringLiteral("Corner Weights"), QStringLiteral("Side Weights"));
        w.BeginSectionCell();
        w.BeginTable();
        w.WriteColumnHeaderRow2(Esc(Translate("Weight")), Esc(Translate("Percent")));
        const auto row = [&](WeightRow which) {
            const WeightResult& figure = f.rows[size_t(which)];
            w.WriteRow2(Esc(Translate(WeightRowCaptions().at(which))), Esc(figure.weight),
                        Esc(figure.percent));
        };
        for (WeightRow which : {FL, FR, RL, RR, Cross})
            row(which);
        w.EndTable();
        w.BeginTable();
        FieldRows("weight_distribution", {"weight_car_ballast"});
        w.EndTable();
        w.EndSectionCell();
        w.BeginSectionCell();
        w.BeginTable();
        w.WriteColumnHeaderRow2(Esc(Translate("Weight")), Esc(Translate("Percent")));
        for (WeightRow which : {Front, Rear, Left, Right})
            row(which);
        w.WriteRow2(Esc(Translate("Total weight")), Esc(f.total), QString());
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    void Aerodynamics() {
        if (!HasSetupArea(A::Aerodynamics, in.vehicle) || !AnyField(A::Aerodynamics)) return;
        Header(A::Aerodynamics, QStringLiteral(N_("Aerodynamics Front")),
               QStringLiteral(N_("Aerodynamics Rear")));
        w.BeginSectionCell();
        w.BeginTable();
        AreaRows(A::Aerodynamics, QStringLiteral("Front"));
        w.EndTable();
        w.EndSectionCell();
        w.BeginSectionCell();
        w.BeginTable();
        AreaRows(A::Aerodynamics, QStringLiteral("Rear"));
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    void Tires() {
        const bool fourWheel = in.vehicle == VehicleType::Car || in.vehicle == VehicleType::Kart;
        const GridId id = fourWheel ? GridId::FourWheelTires : GridId::BikeTires;
        if (!in.record.GridHasText(id, in.vehicle)) return;
        Header(A::Tires, QStringLiteral("Tires"));
        w.BeginSectionCell();
        w.BeginTable();
        if (fourWheel)
            GridTable(id, {0, 1, 2, 3}, Titles({"FL", "FR", "RL", "RR"}));
        else if (in.vehicle == VehicleType::Sidecar)
            GridTable(id, {0, 1, 2}, Titles({"Front", "Rear", N_("Side")}));
        else
            GridTable(id, {0, 1}, Titles({"Front", "Rear"}));
        w.EndTable();
        w.EndSectionCell();
        w.EndSectionRow();
    }

    THTMLWriter& w;
    const ReportContext& c;
    const SetupReportInput& in;
};

} // namespace

QString SetupAnchor(SetupArea area) {
    switch (area) {
    case A::Tires:
        return QStringLiteral("tiresetup");
    case A::Suspension:
        return QStringLiteral("suspensionsetup");
    case A::Aerodynamics:
        return QStringLiteral("aerodynamicssetup");
    case A::Engine:
        return QStringLiteral("enginesetup");
    case A::Gearing:
        return QStringLiteral("gearingsetup");
    case A::Jetting:
        return QStringLiteral("jettingsetup");
    case A::WeightDistribution:
        return QStringLiteral("weightdistrsetup");
    case A::General:
        return QStringLiteral("generalsetup");
    }
    return QString();
}

int ReportCylinderCount(const QString& text) {
    const std::optional<int> count = ParseInteger(text.trimmed());
    if (!count) return 1;
    return std::clamp(*count, 1, 5);
}

void WriteSetupReport(THTMLWriter& writer, const ReportContext& context, const SetupReportInput& input,
                      const QString& filePath, const QString& baseName) {
    BeginReport(writer, context, filePath, QStringLiteral("Vorlapa Setup: ") + baseName,
                QStringLiteral("Setup:") + baseName);
    SetupReport(writer, context, input).Write();
    EndReportFrameAndDocument(writer, context);
}

Expected<QString, QString> ExportSetupReport(const ReportContext& context, const SetupReportInput& input,
                                             const QString& sessionFile) {
    const QString path =
        QDir(context.exportFolder)
            .filePath(QStringLiteral("setup_") + ReportFileStem(sessionFile) + QStringLiteral(".htm"));
    THTMLWriter writer;
    WriteSetupReport(writer, context, input, path, ReportBaseName(sessionFile));
    const auto written = writer.Close();
    if (!written) return Unexpected(written.error());
    return path;
}
