#include "reglementtext.h"

namespace awards {

namespace {

// The lines both rules share, each written once. The first line of a section is built with its
// number, which differs between the two texts.
const QString kIssuer =
    QStringLiteral("est délivré par une section de l'association nationale des");
const QString kPurpose1 =
    QStringLiteral("    radioamateurs italiens, pour faire connaitre les chateaux d'Italie, leur");
const QString kPurpose2 = QStringLiteral("    histoire et les lieux qui les entourent.");
const QString kBands =
    QStringLiteral("Toutes les bandes radioamateur de 2 à 160 metres, en SSB, CW et RTTY.");
const QString kStart = QStringLiteral("Les contacts sont valables à partir du 1er janvier 2001.");

const QString kApply1 =
    QStringLiteral("La demande est adressée aux responsables du diplome, à l'adresse postale");
const QStringList kApply{
    QStringLiteral("    en vigueur publiée sur le site du diplome. Elle comprend :"),
    QStringLiteral("    a) une lettre datée et signée et un extrait du log donnant pour chaque"),
    QStringLiteral("       contact l'indicatif, la date, l'heure GMT, la fréquence, le mode,"),
    QStringLiteral("       le RST, la référence et le nom du chateau ;"),
    QStringLiteral("    b) les cartes QSL ; elles ne sont pas demandées lorsque le log a été"),
    QStringLiteral("       vérifié par un responsable régional ou par un responsable étranger ;")};

const QString kCastleList1 =
    QStringLiteral("La liste des chateaux peut etre obtenue, contre participation aux frais,");
const QStringList kCastleList{
    QStringLiteral("    auprès du responsable technique du diplome ; elle est aussi publiée"),
    QStringLiteral("    sur le site du diplome.")};

const QString kOperator1 =
    QStringLiteral("Un opérateur qui a activé au moins 3 chateaux peut demander le diplome");
const QString kOperator2 = QStringLiteral("    de l'opérateur.");

const QString kUnreferenced1 =
    QStringLiteral("Les renseignements sur les chateaux qui n'ont pas encore de référence");
const QString kUnreferenced2 =
    QStringLiteral("    sont à envoyer au responsable technique du diplome.");

const QString kNoUpdate = QStringLiteral("Aucune mise à jour périodique n'est demandée.");

const QString kActivators1 = QStringLiteral("Règles pour les activateurs :");
const QStringList kActivators{
    QStringLiteral("    - se tenir à 500 metres au moins du chateau ;"),
    QStringLiteral("    - réaliser au moins 100 contacts en HF ou 30 contacts en VHF ;"),
    QStringLiteral("    - n'activer qu'un seul chateau à la fois ;"),
    QStringLiteral("    - envoyer les documents de l'activation au responsable technique"),
    QStringLiteral("      du diplome dans les 15 jours ;"),
    QStringLiteral("    - l'activation ne compte qu'une fois ces documents reçus.")};

const QString kMap1 =
    QStringLiteral("Ne comptent que les chateaux qui figurent sur la carte au 1/25 000");
const QString kMap2 = QStringLiteral("    ou dans le répertoire général des chateaux.");

const QString kReference1 =
    QStringLiteral("Format des références : les lettres du diplome, un tiret, le code de la");
const QStringList kReference{
    QStringLiteral("    province et le numéro du chateau (par exemple DCI-CN001). Les nouvelles"),
    QStringLiteral("    références sont attribuées par les responsables régionaux.")};

const QString kForeign1 = QStringLiteral("Responsables QSL étrangers, qui vérifient les logs :");
const QString kManagerOnSite =
    QStringLiteral("        responsable désigné : ses coordonnées sont sur le site du diplome");
const QStringList kForeign{
    QStringLiteral("    Espagne et Andorre"),
    kManagerOnSite,
    QStringLiteral("    France, Belgique, Monaco, Luxembourg"),
    kManagerOnSite,
    QStringLiteral("    Allemagne, Autriche, Liechtenstein"),
    kManagerOnSite,
    QStringLiteral("    Portugal, Açores, Madère"),
    kManagerOnSite,
    QStringLiteral("    Suisse"),
    kManagerOnSite,
    QStringLiteral("    Russie"),
    kManagerOnSite,
    QStringLiteral("    Pologne"),
    kManagerOnSite,
    QStringLiteral("    Autres pays : s'adresser aux responsables du diplome.")};

const QString kCastles1 =
    QStringLiteral("Sont des chateaux au sens du diplome : les chateaux, les tours, les");
const QStringList kCastles{
    QStringLiteral("    remparts, les maisons fortes, les bourgs fortifiés, les citadelles,"),
    QStringLiteral("    les forts, les palais ducaux et les autres édifices fortifiés du"),
    QStringLiteral("    Moyen Age et de la Renaissance.")};

const QString kEdition = QStringLiteral("Règlement dans son édition du 3 décembre 2001");
const QString kCredit = QStringLiteral("Traduction française établie pour ZELK_DCI");

// A regional manager: where to find the current one.
QString regionManager(const QString& region) {
    return QStringLiteral("    %1 : responsable régional, coordonnées sur le site du diplome")
        .arg(region.leftJustified(24, u'.'));
}

const QStringList kRegions{
    QStringLiteral("Abruzzes"),       QStringLiteral("Basilicate"),
    QStringLiteral("Calabre"),        QStringLiteral("Campanie"),
    QStringLiteral("Emilie-Romagne"), QStringLiteral("Frioul-Vénétie Julienne"),
    QStringLiteral("Latium"),         QStringLiteral("Ligurie"),
    QStringLiteral("Lombardie"),      QStringLiteral("Marches"),
    QStringLiteral("Molise"),         QStringLiteral("Ombrie"),
    QStringLiteral("Piémont"),        QStringLiteral("Pouilles"),
    QStringLiteral("Sardaigne"),      QStringLiteral("Sicile"),
    QStringLiteral("Toscane"),        QStringLiteral("Trentin-Haut-Adige"),
    QStringLiteral("Vénétie"),        QStringLiteral("Val d'Aoste")};

QString numbered(int section, const QString& text) {
    return QString::number(section) + QStringLiteral(") ") + text;
}

} // namespace

QStringList dciRules() {
    QStringList r;
    r << QString()
      << QStringLiteral("Diploma dei Castelli Italiani - Diplome des Chateaux Italiens (DCI)")
      << QString();
    r << numbered(1, QStringLiteral("Le diplome DCI ") + kIssuer) << kPurpose1 << kPurpose2
      << QString();
    r << numbered(2,
                  QStringLiteral("Une seule catégorie. Chateaux contactés et confirmés par QSL :"))
      << QStringLiteral("    - station italienne : 30 chateaux dans 5 régions différentes en HF ;")
      << QStringLiteral("    - station italienne : 10 chateaux dans 2 régions différentes en VHF")
      << QStringLiteral("      (50 MHz et au-dessus) ;")
      << QStringLiteral(
             "    - station étrangère : 20 chateaux dans 5 régions différentes au moins ;")
      << QStringLiteral("    - en HF, au moins un chateau de la province de Cuneo est obligatoire.")
      << QString();
    r << numbered(3, kBands) << QString();
    r << numbered(4, kStart) << QString();
    r << numbered(5, kApply1) << kApply
      << QStringLiteral("    c) la participation aux frais, dont le montant en vigueur est publié")
      << QStringLiteral("       sur le site du diplome ;")
      << QStringLiteral("    d) les autocollants, qui sont gratuits et joints au diplome sur")
      << QStringLiteral("       simple demande.") << QString();
    r << numbered(6, QStringLiteral(
                         "Les titulaires peuvent en faire état sur leurs QSL et leur courrier."))
      << QString();
    r << numbered(8, QStringLiteral("Le diplome est un parchemin en couleurs de 297 x 420 mm."))
      << QString();
    r << numbered(10,
                  QStringLiteral("Des autocollants aux couleurs des régions sont délivrés pour"))
      << QStringLiteral("    au moins 3 contacts avec des chateaux de chaque région.") << QString();
    r << numbered(11, kCastleList1) << kCastleList << QString();
    r << numbered(12, kOperator1) << kOperator2 << QString();
    r << numbered(13, kUnreferenced1) << kUnreferenced2 << QString();
    r << numbered(14, kNoUpdate) << QString();
    r << numbered(15, kActivators1) << kActivators;
    r << numbered(16, kMap1) << kMap2 << QString();
    r << numbered(17, kReference1) << kReference << QString();
    r << numbered(18, QStringLiteral("Responsables QSL régionaux :")) << QString();
    for (const QString& region : kRegions)
        r << regionManager(region);
    r << QString();
    r << numbered(19, kForeign1) << QString() << kForeign << QString();
    r << numbered(20, kCastles1) << kCastles << QString();
    r << kEdition << kCredit;
    return r;
}

QStringList dcpcRules() {
    QStringList r;
    r << QString()
      << QStringLiteral("Diploma dei Castelli della Provincia di Cuneo - Diplome des Chateaux "
                        "de la Province de Cuneo (DCPC)")
      << QString();
    r << numbered(1, QStringLiteral("Le diplome DCPC ") + kIssuer) << kPurpose1 << kPurpose2
      << QString();
    r << numbered(2, kBands) << QString();
    r << numbered(3, kStart) << QString();
    r << numbered(4, kApply1) << kApply
      << QStringLiteral("    Le diplome DCPC est gratuit : aucune participation aux frais n'est")
      << QStringLiteral("    demandée et il n'y a pas d'autocollants.") << QString();
    r << numbered(5,
                  QStringLiteral("Le diplome est attribué à toute station qui a contacté au moins"))
      << QStringLiteral("    10 chateaux différents de la province de Cuneo.") << QString();
    r << numbered(
             6, QStringLiteral("Le diplome est un parchemin en couleurs gratuit de 210 x 297 mm."))
      << QString();
    r << numbered(7, kCastleList1) << kCastleList << QString();
    r << numbered(8, kOperator1) << kOperator2 << QString();
    r << numbered(9, kUnreferenced1) << kUnreferenced2 << QString();
    r << numbered(10, kNoUpdate) << QString();
    r << numbered(11, kActivators1) << kActivators;
    r << numbered(12, kMap1) << kMap2 << QString();
    r << numbered(13, kReference1) << kReference << QString();
    r << numbered(14, QStringLiteral("Responsable QSL régional :"))
      << regionManager(QStringLiteral("Piémont")) << QString();
    r << numbered(15, kForeign1) << QString() << kForeign << QString();
    r << numbered(16, kCastles1) << kCastles << QString();
    r << kEdition << kCredit;
    return r;
}

} // namespace awards
