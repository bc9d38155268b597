// The pure component databanks: reading the generated files, the records that SMfetchdbk fills,
// and the synthetic databanks for benchmarks.
//
// The catalogue (folder, pure databank names, databanks read so far) lives under one lock;
// databanks are immutable once read and handed out as shared pointers, so a reader keeps its
// databank even when a test points the catalogue at another folder meanwhile.
//
// Does not do:
// - Notice a databank file that changes while the process runs: each is read once.
// - Write databanks: they are generated at build time (data/databanks/generate_databanks.py).
#include "engine/databanks.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>

namespace engine
{
namespace
{

constexpr int kMaxSyntheticCount = 1000000;
const char kSyntheticPrefix[] = "SYNTH-";

std::string Upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    while (true)
    {
        std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

bool ParseNumber(std::string_view text, double& value)
{
    if (text.empty())
        return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

void PutText(char* buffer, std::size_t offset, std::size_t size, const std::string& text)
{
    std::memset(buffer + offset, 0, size);
    std::memcpy(buffer + offset, text.data(), std::min(text.size(), size));
}

// The check digit of a CAS number's digits: the sum of each digit times its position counted
// from the right, modulo 10.
int CasCheckDigit(long body)
{
    int sum = 0;
    for (int position = 1; body > 0; ++position, body /= 10)
        sum += static_cast<int>(body % 10) * position;
    return sum % 10;
}

// Classes for the synthetic components, all of them names of the component class table.
const std::array<const char*, 8> kSyntheticClasses = {
    "n-Alkanes", "Methylalkanes", "1-Alkenes", "n-Alcohols",
    "Ketones",   "Acetates",      "Polyols",   "Other-polyfunctional-organics",
};

PureComponent SyntheticComponent(int index)
{
    char text[64];
    PureComponent component;
    std::snprintf(text, sizeof text, "SYNTHETIC COMPONENT %06d", index);
    component.name = text;
    std::snprintf(text, sizeof text, "S%07d", index);
    component.id = text;
    int carbons = 1 + index % 40;
    int hydrogens = 2 * carbons + 2;
    std::snprintf(text, sizeof text, "C%dH%d", carbons, hydrogens);
    component.formula = text;
    component.molecularWeight = 12.0107 * carbons + 1.00794 * hydrogens;
    // Every seventh component has no known boiling point, as real databanks have gaps.
    component.boilingPoint = index % 7 == 0 ? kNoBoilingPoint : 100.0 + (index * 37) % 600;
    long body = 900000L + index;
    std::snprintf(text, sizeof text, "%ld-%02ld-%d", body / 100, body % 100, CasCheckDigit(body));
    component.cas = text;
    component.componentClass = kSyntheticClasses[index % kSyntheticClasses.size()];
    std::snprintf(text, sizeof text, "SYN-%06d", index);
    component.synonyms.push_back(text);
    return component;
}

std::shared_ptr<const Databank> MakeSynthetic(const std::string& name, int count)
{
    std::vector<PureComponent> components;
    components.reserve(count);
    for (int index = 1; index <= count; ++index)
        components.push_back(SyntheticComponent(index));
    return std::make_shared<const Databank>(name, std::move(components));
}

// The count of a synthetic databank's name, or 0 when the name is not one.
int SyntheticCount(std::string_view name)
{
    std::string upper = Upper(name);
    if (upper.rfind(kSyntheticPrefix, 0) != 0)
        return 0;
    std::string_view digits = std::string_view(upper).substr(std::strlen(kSyntheticPrefix));
    int count = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.front() == '0')
        return 0;
    return count >= 1 && count <= kMaxSyntheticCount ? count : 0;
}

std::string LibraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DatabankFolder), &info) == 0 || info.dli_fname == nullptr)
        return ".";
    std::string path = info.dli_fname;
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

struct Catalogue
{
    std::mutex mutex;
    std::string folder; // as set; empty for the default
    bool listed = false;
    std::vector<std::string> pureNames;
    std::map<std::string, std::shared_ptr<const Databank>> databanks; // by upper-case name
};

Catalogue& TheCatalogue()
{
    // Never destroyed: entry points called during process exit still find it.
    static auto* catalogue = new Catalogue;
    return *catalogue;
}

std::string FolderLocked(const Catalogue& catalogue)
{
    if (!catalogue.folder.empty())
        return catalogue.folder;
    if (const char* variable = std::getenv("RAVA_DATABANKS"); variable != nullptr && *variable)
        return variable;
    return LibraryFolder() + "/databanks";
}

bool ReadFile(const std::string& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return true;
}

void ListLocked(Catalogue& catalogue)
{
    if (catalogue.listed)
        return;
    catalogue.listed = true;
    std::string text;
    if (!ReadFile(FolderLocked(catalogue) + "/databanks.list", text))
        return;
    for (std::string_view line : Split(text, '\n'))
    {
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
            line.remove_suffix(1);
        if (!line.empty() && line.front() != '#')
            catalogue.pureNames.emplace_back(line);
    }
}

} // namespace

Databank::Databank(std::string name, std::vector<PureComponent> components)
    : m_name(std::move(name)), m_components(std::move(components))
{
    m_byName.reserve(m_components.size());
    for (std::size_t i = 0; i < m_components.size(); ++i)
        m_byName.emplace(Upper(m_components[i].name), i);
}

const PureComponent* Databank::Find(std::string_view name) const
{
    auto it = m_byName.find(Upper(name));
    return it == m_byName.end() ? nullptr : &m_components[it->second];
}

std::shared_ptr<const Databank> ParseDatabank(std::string name, std::string_view text,
                                              std::string* error)
{
    auto fail = [&](std::size_t line, const std::string& why) {
        if (error != nullptr)
            *error = name + " line " + std::to_string(line) + ": " + why;
        return nullptr;
    };
    std::vector<PureComponent> components;
    bool header = false;
    std::size_t lineNumber = 0;
    for (std::string_view line : Split(text, '\n'))
    {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        auto cells = Split(line, '\t');
        if (!header)
        {
            if (line != "id\tname\tformula\tmw\ttb\tcas\tclass\tsynonyms")
                return fail(lineNumber, "the header line is not the expected one");
            header = true;
            continue;
        }
        if (cells.size() != 8)
            return fail(lineNumber, std::to_string(cells.size()) + " cells instead of 8");
        PureComponent component;
        component.id = cells[0];
        component.name = cells[1];
        component.formula = cells[2];
        if (!ParseNumber(cells[3], component.molecularWeight))
            return fail(lineNumber, "the molecular weight is not a number");
        if (!cells[4].empty() && !ParseNumber(cells[4], component.boilingPoint))
            return fail(lineNumber, "the boiling point is not a number");
        component.cas = cells[5];
        component.componentClass = cells[6];
        if (!cells[7].empty())
        {
            for (std::string_view synonym : Split(cells[7], '|'))
                component.synonyms.emplace_back(synonym);
        }
        if (component.name.empty() || component.name.size() >= record::kNameSize ||
            component.formula.size() >= record::kFormulaSize ||
            component.id.size() > record::kIdSize || component.cas.size() >= record::kCasSize ||
            component.componentClass.size() >= record::kClassSize)
            return fail(lineNumber, "a field is empty or does not fit the record");
        components.push_back(std::move(component));
    }
    if (!header)
        return fail(lineNumber, "no header line");
    return std::make_shared<const Databank>(std::move(name), std::move(components));
}

void FillRecord(const PureComponent& component, void* buffer)
{
    char* bytes = static_cast<char*>(buffer);
    PutText(bytes, record::kFormula, record::kFormulaSize, component.formula);
    PutText(bytes, record::kName, record::kNameSize, component.name);
    std::memcpy(bytes + record::kBoilingPoint, &component.boilingPoint, sizeof(double));
    std::memcpy(bytes + record::kMolecularWeight, &component.molecularWeight, sizeof(double));
    // The ID alone may fill its field: IDs have at most 8 characters.
    PutText(bytes, record::kId, record::kIdSize, component.id);
    PutText(bytes, record::kCas, record::kCasSize, component.cas);
    PutText(bytes, record::kClass, record::kClassSize, component.componentClass);
    PutText(bytes, record::kAltName, record::kAltNameSize,
            component.synonyms.empty() ? std::string() : component.synonyms.front());
    std::memset(bytes + record::kReserved, 0, record::kReservedSize);
    // Strings other than the ID always end inside their field.
    bytes[record::kFormula + record::kFormulaSize - 1] = '\0';
    bytes[record::kName + record::kNameSize - 1] = '\0';
    bytes[record::kCas + record::kCasSize - 1] = '\0';
    bytes[record::kClass + record::kClassSize - 1] = '\0';
    bytes[record::kAltName + record::kAltNameSize - 1] = '\0';
}

std::string RecordText(const void* buffer, std::size_t offset, std::size_t size)
{
    const char* field = static_cast<const char*>(buffer) + offset;
    return std::string(field, strnlen(field, size));
}

std::string DatabankFolder()
{
    Catalogue& catalogue = TheCatalogue();
    std::lock_guard lock(catalogue.mutex);
    return FolderLocked(catalogue);
}

void SetDatabankFolder(const std::string& folder)
{
    Catalogue& catalogue = TheCatalogue();
    std::lock_guard lock(catalogue.mutex);
    catalogue.folder = folder;
    catalogue.listed = false;
    catalogue.pureNames.clear();
    catalogue.databanks.clear();
}

std::vector<std::string> PureDatabankNames()
{
    Catalogue& catalogue = TheCatalogue();
    std::lock_guard lock(catalogue.mutex);
    ListLocked(catalogue);
    return catalogue.pureNames;
}

std::shared_ptr<const Databank> FindDatabank(std::string_view name)
{
    Catalogue& catalogue = TheCatalogue();
    std::string key = Upper(name);
    {
        std::lock_guard lock(catalogue.mutex);
        if (auto it = catalogue.databanks.find(key); it != catalogue.databanks.end())
            return it->second;
    }
    // Read or generate outside the lock: a synthetic databank of 100 000 components takes a
    // while, and other threads go on using the databanks they have.
    std::shared_ptr<const Databank> databank;
    if (int count = SyntheticCount(key); count > 0)
    {
        databank = MakeSynthetic(SyntheticDatabankName(count), count);
    }
    else
    {
        std::vector<std::string> pure = PureDatabankNames();
        auto listed = std::find(pure.begin(), pure.end(), key);
        std::string text;
        if (listed == pure.end() || !ReadFile(DatabankFolder() + "/" + key + ".tsv", text))
            return nullptr;
        std::string why;
        databank = ParseDatabank(key, text, &why);
        if (databank == nullptr)
        {
            std::fprintf(stderr, "rava: databank %s\n", why.c_str());
            return nullptr;
        }
    }
    std::lock_guard lock(catalogue.mutex);
    // Another thread may have read it meanwhile; everyone shares the first.
    return catalogue.databanks.emplace(key, std::move(databank)).first->second;
}

std::string SyntheticDatabankName(int count)
{
    return kSyntheticPrefix + std::to_string(count);
}

} // namespace engine
