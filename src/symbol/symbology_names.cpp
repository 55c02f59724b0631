#include "symbol/symbology_names.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {
struct TSymbologyAlias
{
    const char* Name;
    TZintSymbology Symbology;
};

// The names people know these symbologies by where the display name says something else.
constexpr std::array<TSymbologyAlias, 36> SymbologyAliases{{
    {"ean13", TZintSymbology::zsEANX},
    {"ean8", TZintSymbology::zsEANX},
    {"jan", TZintSymbology::zsEANX},
    {"gs1-128", TZintSymbology::zsEAN128},
    {"ucc-128", TZintSymbology::zsEAN128},
    {"code128", TZintSymbology::zsCODE128},
    {"code39", TZintSymbology::zsCODE39},
    {"code39+", TZintSymbology::zsEXCODE39},
    {"code39 extended", TZintSymbology::zsEXCODE39},
    {"itf", TZintSymbology::zsC25INTER},
    {"i2of5", TZintSymbology::zsC25INTER},
    {"qr", TZintSymbology::zsQRCODE},
    {"micro qr", TZintSymbology::zsMICROQR},
    {"datamatrix", TZintSymbology::zsDATAMATRIX},
    {"dm", TZintSymbology::zsDATAMATRIX},
    {"ecc200", TZintSymbology::zsDATAMATRIX},
    {"aztec", TZintSymbology::zsAZTEC},
    {"micropdf", TZintSymbology::zsMICROPDF417},
    {"databar", TZintSymbology::zsRSS14},
    {"gs1 databar", TZintSymbology::zsRSS14},
    {"databar limited", TZintSymbology::zsRSS_LTD},
    {"databar expanded", TZintSymbology::zsRSS_EXP},
    {"databar stacked", TZintSymbology::zsRSS14STACK},
    {"isbn", TZintSymbology::zsISBNX},
    {"royal mail", TZintSymbology::zsRM4SCC},
    {"intelligent mail", TZintSymbology::zsONECODE},
    {"imb", TZintSymbology::zsONECODE},
    {"msi", TZintSymbology::zsMSI_PLESSEY},
    {"pharmacode", TZintSymbology::zsPHARMA},
    {"telepen", TZintSymbology::zsTELEPEN},
    {"sscc", TZintSymbology::zsNVE18},
    {"sscc-18", TZintSymbology::zsNVE18},
    {"codablock", TZintSymbology::zsCODABLOCKF},
    {"code one", TZintSymbology::zsCODEONE},
    {"channel", TZintSymbology::zsCHANNEL},
    {"daft", TZintSymbology::zsDAFT},
}};

using TNames = std::array<QStringList, SymbologyCount>;

// Every symbology's folded names, display name first.
const TNames& FoldedNames()
{
    static const TNames names = [] {
        TNames built;
        for (const TSymbologyEntry& entry : SymbologyCatalogue) {
            QStringList& own = built[std::size_t(entry.Symbology)];
            own << FoldSymbologyName(QString::fromUtf8(entry.DisplayName))
                << FoldSymbologyName(QLatin1String(entry.EnumName).mid(2));
        }
        for (const TSymbologyAlias& alias : SymbologyAliases)
            built[std::size_t(alias.Symbology)] << FoldSymbologyName(QLatin1String(alias.Name));
        return built;
    }();
    return names;
}

template <typename TFits> std::vector<TZintSymbology> SymbologiesWhere(TFits fits)
{
    std::vector<TZintSymbology> found;
    const TNames& names = FoldedNames();
    for (std::size_t index = 0; index < names.size(); ++index)
        if (std::any_of(names[index].begin(), names[index].end(), fits))
            found.push_back(TZintSymbology(index));
    return found;
}

qsizetype EditDistance(const QString& a, const QString& b)
{
    std::vector<qsizetype> previous(std::size_t(b.size()) + 1);
    std::vector<qsizetype> current(previous.size());
    for (std::size_t j = 0; j < previous.size(); ++j)
        previous[j] = qsizetype(j);
    for (qsizetype i = 0; i < a.size(); ++i) {
        current[0] = i + 1;
        for (qsizetype j = 0; j < b.size(); ++j) {
            const qsizetype replace = previous[std::size_t(j)] + (a[i] == b[j] ? 0 : 1);
            current[std::size_t(j) + 1] =
                std::min({replace, previous[std::size_t(j) + 1] + 1, current[std::size_t(j)] + 1});
        }
        std::swap(previous, current);
    }
    return previous.back();
}

// The symbologies with a name at the smallest distance, if that is a slip of a few letters.
std::vector<TZintSymbology> NearestSymbologies(const QString& folded)
{
    const qsizetype allowed = std::max<qsizetype>(1, folded.size() / 3);
    std::vector<std::pair<qsizetype, TZintSymbology>> distances;
    const TNames& names = FoldedNames();
    for (std::size_t index = 0; index < names.size(); ++index) {
        qsizetype nearest = allowed + 1;
        for (const QString& name : names[index])
            nearest = std::min(nearest, EditDistance(folded, name));
        if (nearest <= allowed)
            distances.emplace_back(nearest, TZintSymbology(index));
    }
    std::stable_sort(distances.begin(), distances.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TZintSymbology> nearest;
    for (const auto& [distance, symbology] : distances)
        if (distance == distances.front().first)
            nearest.push_back(symbology);
    return nearest;
}
} // namespace

QString FoldSymbologyName(const QString& name)
{
    QString folded = name.toLower();
    folded.remove(QLatin1Char(' '));
    folded.remove(QLatin1Char('-'));
    return folded;
}

QStringList CommonSymbologyNames(TZintSymbology symbology)
{
    QStringList names;
    for (const TSymbologyAlias& alias : SymbologyAliases)
        if (alias.Symbology == symbology)
            names << QLatin1String(alias.Name);
    return names;
}

std::vector<TZintSymbology> SymbologiesContaining(const QString& typed)
{
    const QString folded = FoldSymbologyName(typed);
    return SymbologiesWhere([&folded](const QString& name) { return name.contains(folded); });
}

TSymbologyLookup LookUpSymbology(const QString& name)
{
    for (const TSymbologyEntry& entry : SymbologyCatalogue)
        if (name.compare(QLatin1String(entry.EnumName), Qt::CaseInsensitive) == 0)
            return {{entry.Symbology}, {}};
    bool isNumber = false;
    const int libraryNumber = name.toInt(&isNumber);
    if (isNumber)
        for (const TSymbologyEntry& entry : SymbologyCatalogue)
            if (entry.LibraryNumber == libraryNumber)
                return {{entry.Symbology}, {}};

    const QString folded = FoldSymbologyName(name);
    if (folded.isEmpty())
        return {};
    std::vector<TZintSymbology> whole =
        SymbologiesWhere([&folded](const QString& own) { return own == folded; });
    if (!whole.empty())
        return {whole, {}};
    std::vector<TZintSymbology> partial = SymbologiesContaining(folded);
    if (!partial.empty())
        return {partial, {}};
    return {{}, NearestSymbologies(folded)};
}
