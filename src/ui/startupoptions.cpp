#include "ui/startupoptions.h"

#include "ui/qtext.h"

namespace klettra::ui {

StartupOptions StartupOptions::parse(const QStringList &args)
{
    StartupOptions options;
    const QString dataDirOption = QStringLiteral("--data-dir");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg.compare(QLatin1String("-ns"), Qt::CaseInsensitive) == 0 ||
            arg.compare(QLatin1String("/ns"), Qt::CaseInsensitive) == 0) {
            options.showSplash = false;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.showUsage = true;
        } else if (arg == dataDirOption) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                options.error = QStringLiteral("--data-dir needs a directory");
                return options;
            }
            options.dataDir = toPath(args.at(++i));
        } else if (arg.startsWith(dataDirOption + QLatin1Char('='))) {
            const QString dir = arg.mid(dataDirOption.size() + 1);
            if (dir.isEmpty()) {
                options.error = QStringLiteral("--data-dir needs a directory");
                return options;
            }
            options.dataDir = toPath(dir);
        } else {
            options.error = QStringLiteral("unknown argument ") + arg;
            return options;
        }
    }
    return options;
}

QString StartupOptions::usage()
{
    return QStringLiteral("Usage: klettra [-ns | /ns] [--data-dir DIR]\n"
                          "  -ns, /ns         start without the splash picture\n"
                          "  --data-dir DIR   keep templates and dictionaries in DIR\n");
}

} // namespace klettra::ui
