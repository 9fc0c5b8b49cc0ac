// Command line, opening and the run of the Optara dialog.
#include "settings/optara/OptaraApp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "settings/optara/DefaultFileOffer.h"
#include "settings/optara/OptaraDialog.h"
#include "settings/optara/OptaraModel.h"

#ifndef TARN_VERSION
#define TARN_VERSION "2.0"
#endif

namespace tarn::optara {
namespace {

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

int RunOptara(const QStringList& arguments, Messenger& messenger,
              const std::function<void(OptaraDialog&)>& onShown) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Optara edits the key configurations, frame rate and colour depth "
                       "in the settings file of the game (morva2.cfh or morva2.cf)."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help and exit."));
    const QCommandLineOption versionOption(QStringLiteral("version"),
                                           QStringLiteral("Show the version and exit."));
    const QCommandLineOption rootOption(
        QStringLiteral("root"),
        QStringLiteral("Program folder holding the settings files (default: the folder of "
                       "the executable)."),
        QStringLiteral("DIR"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(rootOption);
    if (!parser.parse(arguments)) {
        Print(stderr, QStringLiteral("Optara: %1\n").arg(parser.errorText()));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Print(stderr, QStringLiteral("Optara: unexpected argument %1\n")
                          .arg(parser.positionalArguments().first()));
        return 2;
    }
    if (parser.isSet(helpOption)) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(versionOption)) {
        Print(stdout, QStringLiteral("Optara " TARN_VERSION "\n"));
        return 0;
    }
    const QString root = parser.isSet(rootOption) ? parser.value(rootOption)
                                                  : QCoreApplication::applicationDirPath();

    const MessageRoute route(messenger);
    OptaraModel model(root.toStdString());
    const SettingsStatus status = model.Open();
    if (status != SettingsStatus::Ok &&
        !OfferDefaultFile(model, messenger, SettingsBuild::Normal, status, "終了する")) {
        return 1;
    }
    OptaraDialog dialog(model, messenger);
    if (onShown) {
        QTimer::singleShot(0, &dialog, [&dialog, &onShown] { onShown(dialog); });
    }
    dialog.exec();
    return 0;
}

}  // namespace tarn::optara
