#include "provincetable.h"

#include <array>

namespace {

constexpr Province kProvinces[ProvinceTable::kCount] = {
    {u"AQ", 1, u"Aquila", u"l'Aquila", u"l'Aquila"},
    {u"CH", 1, u"Chieti", u"Chieti", u"Chieti"},
    {u"PE", 1, u"Pescara", u"Pescara", u"Pescara"},
    {u"TE", 1, u"Teramo", u"Teramo", u"Teramo"},
    {u"MT", 2, u"Matera", u"Matera", u"Matera"},
    {u"PZ", 2, u"Potenza", u"Potenza", u"Potenza"},
    {u"CZ", 3, u"Catanzaro", u"Catanzaro", u"Catanzaro"},
    {u"CS", 3, u"Cosenza", u"Cosenza", u"Cosenza"},
    {u"KR", 3, u"Crotone", u"Crotone", u"Crotone"},
    {u"RC", 3, u"Reggio de Calabre", u"Reggio de Calabre", u"Reggio de Calabre"},
    {u"VV", 3, u"Vibo Valentia", u"Vibo Valentia", u"Vibo Valentia"},
    {u"AV", 4, u"Avellino", u"Avellino", u"Avellino"},
    {u"BN", 4, u"Benevent", u"Bénévent", u"Bénévent"},
    {u"CE", 4, u"Caserte", u"Caserte", u"Caserte"},
    {u"NA", 4, u"Naples", u"Naple", u"Naple"},
    {u"SA", 4, u"Salerne", u"Salerne", u"Salerne"},
    {u"BO", 5, u"Bologne", u"Bologne", u"Bologne"},
    {u"FE", 5, u"Ferrare", u"Ferrare", u"Ferrare"},
    {u"FC", 5, u"Forti Casena", u"Forli-Casena", u"Forli-Casena"},
    {u"MO", 5, u"Modene", u"Modene", u"Modene"},
    {u"PR", 5, u"Parme", u"Parme", u"Parme"},
    {u"PC", 5, u"Plaisance", u"Plaisance", u"Plaisance"},
    {u"RA", 5, u"Ravenne", u"Ravenne", u"Ravenne"},
    {u"RE", 5, u"Reggio d'Emilie", u"Reggio d'Emilie", u"Reggio d'Emilie"},
    {u"RN", 5, u"Rimini", u"Rimini", u"Rimini"},
    {u"GO", 6, u"Gorizia", u"Girizia", u"Girizia"},
    {u"PN", 6, u"Pordenone", u"Pordenone", u"Pordenone"},
    {u"TS", 6, u"Trieste", u"Trieste", u"Trieste"},
    {u"UD", 6, u"Udine", u"Udine", u"Udine"},
    {u"FR", 7, u"Frosinone", u"Frosinone", u"Frosinone"},
    {u"LT", 7, u"Latina", u"Latina", u"Latina"},
    {u"RI", 7, u"Rieti", u"Rieti", u"Rieti"},
    {u"RM", 7, u"Rome", u"Rome", u"Rome"},
    {u"VT", 7, u"Viterbe", u"Viterbe", u"Viterbe"},
    {u"SP", 8, u"La Spezia", u"la Spezia", u"la Spezia"},
    {u"GE", 8, u"Gene", u"Gênes", u"Gênes"},
    {u"IM", 8, u"Imperia", u"Imperia", u"Imperia"},
    {u"SV", 8, u"Savone", u"Savone", u"Savone"},
    {u"BG", 9, u"Bergame", u"Bergame", u"Bergame"},
    {u"BS", 9, u"Brescia", u"Brescia", u"Brescia"},
    {u"CO", 9, u"Come", u"Côme", u"Côme"},
    {u"CR", 9, u"Cremone", u"Crémone", u"Crémone"},
    {u"LC", 9, u"Lecco", u"Lecco", u"Lecco"},
    {u"LO", 9, u"Lodi", u"Lodi", u"Lodi"},
    {u"MN", 9, u"Mantoue", u"Mantoue", u"Mantoue"},
    {u"MI", 9, u"Milan", u"Milan", u"Milan"},
    {u"MB", 9, nullptr, u"Monza non valide pour DCI", u"Monza et Brianza"},
    {u"PV", 9, u"Pavie", u"Pavie", u"Pavie"},
    {u"SO", 9, u"Sondrio", u"Sondrio", u"Sondrio"},
    {u"VA", 9, u"Varese", u"Varèse", u"Varèse"},
    {u"AN", 10, u"Ancone", u"Ancôme", u"Ancôme"},
    {u"FM", 10, nullptr, u"Fermo non valide pour DCI", u"Fermo"},
    {u"AP", 10, u"Ascoli Piceno ", u"Ascoli Piceno", u"Ascoli Piceno"},
    {u"MC", 10, u"Macerata", u"Macerata", u"Macerata"},
    {u"PU", 10, u"Pesaro et Urbino", u"Pesaro et Urbino", u"Pesaro et Urbino"},
    {u"CB", 11, u"Campobasso", u"Campobasso", u"Campobasso"},
    {u"IS", 11, u"Isernia", u"Isernia", u"Isernia"},
    {u"PG", 12, u"Perouse", u"Pérouse", u"Pérouse"},
    {u"TR", 12, u"Terni", u"Terni", u"Terni"},
    {u"VB", 13, u"Verbano Cusio Ossola", u"Verbano-Cusio-Ossola", u"Verbano-Cusio-Ossola"},
    {u"AL", 13, u"Alexandrie", u"Alexexandrie", u"Alexexandrie"},
    {u"AT", 13, u"Asti", u"Asti", u"Asti"},
    {u"BI", 13, u"Biella", u"Biella", u"Biella"},
    {u"CN", 13, u"Coni", u"Coni", u"Coni"},
    {u"NO", 13, u"Novare", u"Novare", u"Novare"},
    {u"TO", 13, u"Turin", u"Turin", u"Turin"},
    {u"VC", 13, u"Verceil", u"Verceil", u"Verceil"},
    {u"BA", 14, u"Bari", u"Bari", u"Bari"},
    {u"BT", 14, u"Barletta Andria Trani", u"Barletta-Andria-Trani", u"Barletta-Andria-Trani"},
    {u"BR", 14, u"Brindes", u"Brindes", u"Brindes"},
    {u"FG", 14, u"Foggia", u"Foggia", u"Foggia"},
    {u"LE", 14, u"Lecce", u"Lecce", u"Lecce"},
    {u"TA", 14, u"Tarente", u"Tarente", u"Tarente"},
    {u"CA", 15, u"Cagliari", u"Cigliari", u"Cigliari"},
    {u"NU", 15, u"Nuoro", u"Nuoro", u"Nuoro"},
    {u"OR", 15, u"Oristano", u"Oristano", u"Oristano"},
    {u"SS", 15, u"Sassari", u"Sassari", u"Sassari"},
    {u"OT", 15, u"Olbia Tempio", u"Olbiz-Tempio", u"Olbiz-Tempio"},
    {u"OG", 15, u"Ogliastra", u"Ogliastra", u"Ogliastra"},
    {u"CI", 15, u"Carbonia Iglesias", u"Carbonia-Iglesias", u"Carbonia-Iglesias"},
    {u"VS", 15, u"Medio Campidano", u"Medio-Campidano", u"Medio-Campidano"},
    {u"AG", 16, u"Agrigente", u"Agrigente", u"Agrigente"},
    {u"CL", 16, u"Caltanissetta", u"Caltanisetta", u"Caltanisetta"},
    {u"CT", 16, u"Catane", u"Catane", u"Catane"},
    {u"EN", 16, u"Enna", u"Enna", u"Enna"},
    {u"ME", 16, u"Messine", u"Messine", u"Messine"},
    {u"PA", 16, u"Palerme", u"Palerme", u"Palerme"},
    {u"RG", 16, u"Raguse", u"Raguse", u"Raguse"},
    {u"SR", 16, u"Syracuse", u"Syracuse", u"Syracuse"},
    {u"TP", 16, u"Trapani", u"Trapani", u"Trapani"},
    {u"AR", 17, u"Arezzo", u"Arezzo", u"Arezzo"},
    {u"FI", 17, u"Florence", u"Florence", u"Florence"},
    {u"GR", 17, u"Grosseto", u"Grosseto", u"Grosseto"},
    {u"LI", 17, u"Livourne", u"Livourne", u"Livourne"},
    {u"LU", 17, u"Lucques", u"Lucques", u"Lucques"},
    {u"MS", 17, u"Massa Carrara", u"Massa-Carrara", u"Massa-Carrara"},
    {u"PI", 17, u"Pise", u"Pise", u"Pise"},
    {u"PT", 17, u"Pistoria", u"Pistoia", u"Pistoia"},
    {u"PO", 17, u"Prato", u"Prato", u"Prato"},
    {u"SI", 17, u"Sienne", u"Sienne", u"Sienne"},
    {u"BZ", 18, u"Bolzano Bozen", u"Bolzano", u"Bolzano"},
    {u"TN", 18, u"Trente", u"Trente", u"Trente"},
    {u"BL", 19, u"Belluno", u"Belluno", u"Belluno"},
    {u"PD", 19, u"Padoue", u"Padoue", u"Padoue"},
    {u"RO", 19, u"Rovigo", u"Rovigo", u"Rovigo"},
    {u"TV", 19, u"Trevise", u"Trévise", u"Trévise"},
    {u"VE", 19, u"Venise", u"Venise", u"Venise"},
    {u"VR", 19, u"Verone", u"Vérone", u"Vérone"},
    {u"VI", 19, u"Vicence", u"Vicence", u"Vicence"},
    {u"AO", 20, u"Aoste", u"Vallée d'Aoste", u"Vallée d'Aoste"},
};

constexpr Region kRegions[RegionTable::kCount] = {
    {u"    Region Abruzzes", u"Abruzzes", u"    AZ Abruzzes                "},
    {u"    Region Basilicate", u"Basilicate", u"    BC Basilicate              "},
    {u"    Region Calabre", u"Calabre", u"    KL Calabre                 "},
    {u"    Region Campanie", u"Campanie", u"    CP Campanie                "},
    {u"    Region Emilie", u"Emilie-Romagne", u"    EM Emilie Romagne          "},
    {u"    Region Frioul Venetie", u"Frioul-Vénétie Julienne", u"    FL Frioul Venetie Julienne "},
    {u"    Region Latium", u"Latium", u"    LZ Latium                  "},
    {u"    Region Ligurie", u"Ligurie", u"    LG Ligurie                 "},
    {u"    Region Lombardie", u"Lombardie", u"    LB Lombardie               "},
    {u"    Region Marches", u"Marches", u"    MH Marches                 "},
    {u"    Region Molise", u"Molise", u"    ML Molise                  "},
    {u"    Region Ombrie", u"Ombrie", u"    UM Ombrie                  "},
    {u"    Region Piemont", u"Piémont", u"    PM Piemont                 "},
    {u"    Region Pouilles", u"Pouilles", u"    PL Pouilles                "},
    {u"    Region Sardaigne", u"Sardaigne", u"    SD Sardaigne               "},
    {u"    Region Sicile", u"Sicile", u"    SC Sicile                  "},
    {u"    Region Toscane", u"Toscane", u"    TC Toscane                 "},
    {u"    Region Trentin Haut Adige", u"Trentin-Haut Adige", u"    TT Trentin Haut Adige      "},
    {u"    Region Venetie", u"Vénétie", u"    VA Venetie                 "},
    {u"    Region Vallee d aoste", u"Val d'Aoste", u"    AO Vallee d'Aoste          "},
};

} // namespace

const Province& ProvinceTable::at(int number) {
    return kProvinces[number - 1];
}

int ProvinceTable::find(QByteArrayView code) {
    // Every code is two capital letters: a table of every pair answers at once.
    static const std::array<quint8, 26 * 26> table = [] {
        std::array<quint8, 26 * 26> t{};
        for (int i = 0; i < kCount; ++i)
            t[(kProvinces[i].code[0] - u'A') * 26 + (kProvinces[i].code[1] - u'A')] = quint8(i + 1);
        return t;
    }();
    if (code.size() != 2)
        return 0;
    const char a = code[0], b = code[1];
    if (a < 'A' || a > 'Z' || b < 'A' || b > 'Z')
        return 0;
    return table[(a - 'A') * 26 + (b - 'A')];
}

int ProvinceTable::find(QStringView code) {
    if (code.size() != 2 || code[0].unicode() > 'Z' || code[1].unicode() > 'Z')
        return 0;
    const char bytes[2] = {char(code[0].unicode()), char(code[1].unicode())};
    return find(QByteArrayView(bytes, 2));
}

QString ProvinceTable::listLine(int number) {
    const Province& p = at(number);
    if (!p.listName)
        return {};
    return "    Province " + QString::fromUtf16(p.code) + "  " + QString::fromUtf16(p.listName);
}

QString provinceRefusal(const QString& code) {
    return code + " n'est pas une Province Italienne\n                gerée par DCI";
}

const Region& RegionTable::at(int number) {
    return kRegions[number - 1];
}

const QStringList& BandList() {
    static const QStringList bands = [] {
        QStringList out;
        for (const BandInfo& b : kBandTable)
            out.append(QString::fromLatin1(b.label));
        return out;
    }();
    return bands;
}

const QStringList& ModeList() {
    static const QStringList modes = {"SSB", "CW", "FM"};
    return modes;
}
