#include "UnitsSetting.h"

#include "AppFolders.h"
#include "IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace {

struct TUnitsSettingDefault
{
    const char* section;
    const char* key;
    TUnitsType type;
    int units;
    int base;
};

constexpr TUnitsSettingDefault Defaults[] = {
    {"fat", "height", utLengthMeasure, 3, 0},
    {"fat", "length", utLengthMeasure, 2, 0},
    {"fat", "depth", utLengthMeasure, 2, 0},
    {"fat", "fin_spacing", utFinDensity, 0, 0},
    {"fat", "tube_diameter", utLengthMeasure, 2, 0},
    {"fat", "tube_pitch", utLengthMeasure, 2, 0},
    {"fat", "fin_thickness", utLengthMeasure, 2, 0},
    {"place", "barom_pressure", utPressureBar, 0, 0},
    {"place", "altitude", utAltitude, 0, 0},
    {"place", "ambient", utTemperature, 0, 0},
    {"air", "mass_flow", utMassFlow, 0, 0},
    {"air", "vol_flow", utAirFlowPrim, 0, 0},
    {"air", "t", utTemperature, 0, 0},
    {"air", "h", utEnthalpy, 0, 0},
    {"air", "w", utHumidity, 1, 0},
    {"air", "cp", utSpecificHeat, 0, 0},
    {"air", "k", utConductivity, 0, 0},
    {"air", "rh", utProportion, 1, 0},
    {"air", "rho", utDensity, 0, 0},
    {"air", "v", utVelocity, 0, 0},
    {"air", "dp", utAirPressDrop, 1, 1},
    {"air", "dt", utTemperatureChange, 0, 0},
    {"air", "mc", utConductance, 0, 0},
    {"ref", "t", utTemperature, 0, 0},
    {"ref", "p", utPressure, 0, 1},
    {"ref", "mass_flow", utMassFlowGas, 2, 0},
    {"ref", "mass_flux", utMassFlux, 0, 0},
    {"ref", "rho", utDensity, 0, 0},
    {"ref", "h", utEnthalpy, 0, 0},
    {"ref", "dp_rate", utPressureRateLiquid, 1, 1},
    {"ref", "dp", utPressure, 0, 0},
    {"ref", "v", utVelocity, 0, 0},
    {"ref", "dt", utTemperatureChange, 0, 0},
    {"liquid", "dp", utWaterPressDrop, 0, 0},
    {"liquid", "t", utTemperature, 0, 0},
    {"liquid", "dt", utTemperatureChange, 0, 0},
    {"liquid", "vol_flow", utWaterFlow, 0, 0},
    {"liquid", "mass_flow", utMassFlow, 0, 0},
    {"liquid", "v", utVelocity, 0, 0},
    {"liquid", "rho", utDensity, 0, 0},
    {"liquid", "mc", utConductance, 0, 0},
    {"steam", "t", utTemperature, 0, 0},
    {"steam", "p", utPressureSteam, 3, 3},
    {"steam", "mass_flow", utMassFlowGas, 2, 0},
    {"steam", "dp", utPressure, 0, 0},
    {"sat", "length", utLengthPrim, 0, 0},
    {"sat", "diam", utLengthSec, 2, 0},
    {"wcc", "mass_flow", utMassFlowGas, 2, 0},
    {"wcc", "t", utTemperature, 0, 0},
    {"wcc", "dt", utTemperatureChange, 0, 0},
    {"chiller", "mass_flow", utMassFlowGas, 2, 0},
    {"chiller", "t", utTemperature, 0, 0},
    {"chiller", "dt", utTemperatureChange, 0, 0},
    {"plate", "height", utLengthPrim, 0, 0},
    {"plate", "width", utLengthPrim, 0, 0},
    {"plate", "spacing", utLengthPrim, 0, 0},
    {"barepipe", "length", utLengthPrim, 0, 0},
    {"barepipe", "diam", utLengthPrim, 0, 0},
    {"hex", "duty", utDutyPrim, 0, 0},
    {"hex", "duty_per_volflow", utEnergyPerVol, 0, 0},
    {"hex", "energy", utEnergy, 0, 0},
    {"hex", "power", utPower, 0, 0},
    {"hex", "mass", utMass, 0, 0},
    {"hex", "vol", utVolume, 1, 0},
    {"hex", "area", utArea, 0, 0},
    {"hex", "dt", utTemperatureChange, 0, 0},
    {"hex", "u_value", utHeatTransCoeff, 0, 0},
    {"hex", "pipe_conn", utLengthMeasure, 2, 2},
    {"general", "duty_rate", utDutyRate, 0, 0},
    {"general", "time", utTime, 0, 0},
    {"general", "fraction", utProportion, 0, 1},
    {"general", "proportion", utProportion, 0, 1},
    {"general", "respiration", utHeatOfRespir, 0, 0},
    {"general", "cond_rate", utCondensateRate, 0, 1},
    {"general", "ice_rate", utVelocity, 0, 0},
};

static_assert(std::size(Defaults) == 75);

std::array<UnitsSetting, std::size(Defaults)> entries;

QString UnitsSettingsFolder()
{
    return MakerFolder + QStringLiteral("Rivod/");
}

} // namespace

QList<UnitsSetting*>& UnitsSettings()
{
    static QList<UnitsSetting*> settings;
    return settings;
}

void RegisterUnitsSetting(UnitsSetting& entry, const QString& section, const QString& key,
                          TUnitsType type, int units, int base)
{
    entry.Section = section;
    entry.Key = key;
    entry.UnitsType = type;
    entry.UnitsValue = units;
    entry.UnitsBase = base;
    UnitsSettings().append(&entry);
}

void RegisterUnitsSettings()
{
    UnitsSettings().clear();
    for (std::size_t i = 0; i < std::size(Defaults); ++i) {
        const TUnitsSettingDefault& d = Defaults[i];
        RegisterUnitsSetting(entries[i], QString::fromLatin1(d.section), QString::fromLatin1(d.key),
                             d.type, d.units, d.base);
    }
}

QString UnitsSettingsPath()
{
    return UnitsSettingsFolder() + QStringLiteral("units.ini");
}

void LoadUnitsSettings()
{
    const QString path = UnitsSettingsPath();
    if (!QFileInfo(path).isFile())
        return;
    const TIniFile ini(path);
    for (UnitsSetting* entry : UnitsSettings())
        entry->UnitsValue = ini.ReadInteger(entry->Section, entry->Key, entry->UnitsValue);
}

void SaveUnitsSettings()
{
    if (!QDir().mkpath(UnitsSettingsFolder()))
        return;
    TIniFile ini(UnitsSettingsPath());
    for (const UnitsSetting* entry : UnitsSettings())
        ini.WriteInteger(entry->Section, entry->Key, entry->UnitsValue);
    ini.UpdateFile();
    UnitsSettings().clear();
}
