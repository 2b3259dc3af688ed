#pragma once

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <optional>

// What the screenshot programs share: the stand-in for the host's narrow UI font, and the
// --out folder (created) and --scale factor they are told; nothing when either is unusable.
struct ScreenshotOptions {
    QDir out;
    double scale = 1.0;
};

inline std::optional<ScreenshotOptions> screenshotOptions(QApplication& app,
                                                          const QString& defaultFolder) {
    // The host's UI font is narrower than the usual Linux default; a condensed face stands in.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans Condensed")));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outOption("out", "Folder for the PNG files.", "folder", defaultFolder);
    const QCommandLineOption scaleOption("scale", "Display scale factor.", "factor", "1.0");
    parser.addOptions({outOption, scaleOption});
    parser.process(app);
    ScreenshotOptions options{QDir(parser.value(outOption)), parser.value(scaleOption).toDouble()};
    if (options.scale <= 0 || !QDir().mkpath(options.out.path()))
        return std::nullopt;
    return options;
}
