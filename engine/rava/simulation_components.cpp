// What the component Find reads from and writes to the simulation: the selected databanks, the
// global temperature unit, and components inserted from a databank.
//
// The selection and the unit are records of the simulation, so that a simulation file can set
// them and every new simulation starts with the defaults (data/README.md):
//     record Databanks SELECTED names="PURE25 AQUEOUS"
//     record Units GLOBAL temperature=C
//
// Does not do:
// - Any quantity but temperature in the global unit set.
// - Check that a selected databank exists: an unknown one is skipped by the search, which
//   cannot open it.
#include "engine/databanks.h"

#include <algorithm>
#include <cctype>

namespace engine
{
namespace
{

const char kSelectionType[] = "Databanks";
const char kSelectionId[] = "SELECTED";
const char kUnitsType[] = "Units";
const char kUnitsId[] = "GLOBAL";

struct UnitName
{
    int code;
    const char* name;
};
const UnitName kTemperatureUnits[] = {
    {kKelvin, "K"}, {kFahrenheit, "F"}, {kCelsius, "C"}, {kRankine, "R"}};

bool SameText(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

template <class SimulationType>
auto* FindRecord(SimulationType& simulation, std::string_view type, std::string_view id)
{
    for (auto& record : simulation.records)
    {
        if (record.type == type && record.id == id)
            return &record;
    }
    return static_cast<decltype(&simulation.records.front())>(nullptr);
}

void SetAttribute(Simulation& simulation, const char* type, const char* id, const char* key,
                  std::string value)
{
    Record* record = FindRecord(simulation, type, id);
    if (record == nullptr)
    {
        simulation.records.push_back(Record{type, id, {}});
        record = &simulation.records.back();
    }
    for (auto& [name, current] : record->attributes)
    {
        if (name == key)
        {
            current = std::move(value);
            return;
        }
    }
    record->attributes.emplace_back(key, std::move(value));
}

bool IdInUse(const Simulation& simulation, std::string_view id)
{
    return std::any_of(simulation.components.begin(), simulation.components.end(),
                       [&](const Component& c) { return SameText(c.id, id); });
}

bool NameInUse(const Simulation& simulation, std::string_view name)
{
    return std::any_of(simulation.components.begin(), simulation.components.end(),
                       [&](const Component& c) {
                           const std::string* existing = FindAttribute(c.attributes, "name");
                           return existing != nullptr && SameText(*existing, name);
                       });
}

// The default ID, or the default ID with a number in its last places when it is taken.
std::string FreeId(const Simulation& simulation, const std::string& base)
{
    std::string id = base.empty() ? "COMP" : base;
    for (int number = 2; IdInUse(simulation, id); ++number)
    {
        std::string digits = std::to_string(number);
        id = base.substr(0, record::kIdSize - std::min(digits.size(), record::kIdSize)) + digits;
    }
    return id;
}

} // namespace

std::vector<std::string> SelectedDatabanks()
{
    Simulation simulation = CurrentSimulation();
    const Record* selection = FindRecord(simulation, kSelectionType, kSelectionId);
    const std::string* names =
        selection != nullptr ? FindAttribute(selection->attributes, "names") : nullptr;
    if (names == nullptr)
        return PureDatabankNames();
    std::vector<std::string> selected;
    std::string word;
    for (char c : *names + " ")
    {
        if (c != ' ')
        {
            word += c;
        }
        else if (!word.empty())
        {
            selected.push_back(word);
            word.clear();
        }
    }
    return selected;
}

void SelectDatabanks(const std::vector<std::string>& names)
{
    std::string joined;
    for (const std::string& name : names)
    {
        // A name is one word in the record; a blank would split it.
        if (name.empty() || name.find(' ') != std::string::npos)
            continue;
        if (!joined.empty())
            joined += ' ';
        joined += name;
    }
    ModifySimulation([&](Simulation& simulation) {
        SetAttribute(simulation, kSelectionType, kSelectionId, "names", joined);
    });
}

int GlobalTemperatureUnit()
{
    Simulation simulation = CurrentSimulation();
    const Record* units = FindRecord(simulation, kUnitsType, kUnitsId);
    const std::string* name =
        units != nullptr ? FindAttribute(units->attributes, "temperature") : nullptr;
    for (const UnitName& unit : kTemperatureUnits)
    {
        if (name != nullptr && SameText(*name, unit.name))
            return unit.code;
    }
    return kKelvin;
}

void SetGlobalTemperatureUnit(int code)
{
    for (const UnitName& unit : kTemperatureUnits)
    {
        if (unit.code == code)
        {
            ModifySimulation([&](Simulation& simulation) {
                SetAttribute(simulation, kUnitsType, kUnitsId, "temperature", unit.name);
            });
        }
    }
}

bool InsertComponent(std::string_view databank, std::string_view name, const char* id, int position)
{
    std::shared_ptr<const Databank> bank = FindDatabank(databank);
    const PureComponent* component = bank != nullptr ? bank->Find(name) : nullptr;
    if (component == nullptr)
        return false;
    std::string requested = id != nullptr ? id : "";
    if (requested.size() > record::kIdSize)
        return false;
    bool inserted = false;
    ModifySimulation([&](Simulation& simulation) {
        if (NameInUse(simulation, component->name))
            return;
        if (!requested.empty() && IdInUse(simulation, requested))
            return;
        Component added{requested.empty() ? FreeId(simulation, component->id) : requested,
                        {{"databank", bank->Name()},
                         {"name", component->name},
                         {"formula", component->formula}}};
        auto& list = simulation.components;
        bool within = position >= 1 && static_cast<std::size_t>(position) <= list.size();
        list.insert(within ? list.begin() + (position - 1) : list.end(), std::move(added));
        inserted = true;
    });
    return inserted;
}

} // namespace engine
