#include "commandline.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace {

const char kHelp[] = "Utilisation : zelk_dci [options]\n"
                     "Carnet de trafic des châteaux d'Italie pour radioamateurs.\n"
                     "\n"
                     "Options :\n"
                     "  -h, --help     Affiche cette aide et quitte.\n"
                     "  -v, --version  Affiche la version du programme et quitte.\n"
                     "\n"
                     "Sans option, le programme ouvre sa fenêtre principale. Ses fichiers sont\n"
                     "dans le répertoire ZELK_DCI_DIR, sinon dans ~/.local/share/ZELK/DCI.\n";

void print(FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

} // namespace

std::optional<int> handleCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-platform xcb"); they stay allowed.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "style",
                             "stylesheet", "qwindowgeometry", "qwindowtitle", "qwindowicon",
                             "display", "name", "session", "geometry", "title"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), "x"));
    for (const char* name : {"reverse", "sync", "widgetcount", "nograb", "dograb"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    const auto failure = [](const QString& what) {
        print(stderr, "zelk_dci : " + what + "\nEssayez « zelk_dci --help ».\n");
        return 1;
    };
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            return failure("valeur manquante après une option");
        const QString& name = unknown.first();
        return failure("option inconnue " + QString(name.size() == 1 ? "-" : "--") + name);
    }
    if (!parser.positionalArguments().isEmpty())
        return failure("argument inattendu " + parser.positionalArguments().first());
    if (parser.isSet(help)) {
        print(stdout, QString::fromUtf8(kHelp));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("ZELK_DCI " ZELK_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}
