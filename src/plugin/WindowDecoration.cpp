#include "WindowDecoration.h"

#include "models/ConfigModel.h"
#include "script/ConfigManager.h"

#include <QImageReader>
#include <QPixmap>
#include <QQuickView>

QString editorWindowTitle(const ConfigManager& manager) {
    QString title = QStringLiteral("KEO Editor");
    const QString path = manager.configFilePath();
    if (!path.isEmpty())
        title += QStringLiteral(" - ") + path +
                 QStringLiteral(" [Cluster #%1]").arg(manager.configModelId() + 1);
    if (manager.configModel()->isModified() && manager.isConfigLoaded())
        title += QLatin1Char('*');
    return title;
}

void updateWindowTitle(QQuickView* view, const ConfigManager* manager) {
    if (view && manager)
        view->setTitle(editorWindowTitle(*manager));
}

QIcon multiSizeIcon(const QString& fileName) {
    QIcon icon;
    QImageReader reader(fileName);
    const int count = std::max(reader.imageCount(), 1);
    for (int i = 0; i < count; ++i) {
        if (count > 1 && !reader.jumpToImage(i))
            continue;
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image), QIcon::Normal, QIcon::Off);
    }
    return icon;
}
