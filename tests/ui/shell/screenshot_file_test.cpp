// The screenshot file: written whole under the name given, never through a link planted
// in its place, and no stray temporary files when it cannot be written.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include "app/screenshot_file.h"

namespace {

QImage Picture() {
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(QColor(0x12, 0x34, 0x56));
    return image;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(ScreenshotFile, ReplacesAPlantedLinkAndLeavesItsTargetAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString victim = dir.filePath(QStringLiteral("victim.txt"));
    {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    const QString shot = dir.filePath(QStringLiteral("window.png"));
    ASSERT_TRUE(QFile::link(victim, shot));

    QString error;
    ASSERT_TRUE(SaveImageFile(Picture(), shot, &error)) << error.toStdString();
    EXPECT_EQ(Bytes(victim), QByteArray("precious"));
    EXPECT_FALSE(QFileInfo(shot).isSymLink());
    const QImage back(shot);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), QSize(8, 4));
    EXPECT_EQ(back.pixelColor(3, 2), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}

TEST(ScreenshotFile, ReplacesAnOlderPictureAndMakesMissingFolders) {
    QTemporaryDir dir;
    const QString shot = dir.filePath(QStringLiteral("new/sub/window.png"));
    ASSERT_TRUE(SaveImageFile(Picture(), shot));
    QImage other(2, 2, QImage::Format_RGB32);
    other.fill(Qt::white);
    ASSERT_TRUE(SaveImageFile(other, shot));
    EXPECT_EQ(QImage(shot).size(), QSize(2, 2));
}

TEST(ScreenshotFile, UnwritablePlacesFailWithAReason) {
    QTemporaryDir dir;
    const QString plainFile = dir.filePath(QStringLiteral("plain.txt"));
    {
        QFile file(plainFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString cases[] = {
        dir.path(),                                 // a folder, not a file
        plainFile + QStringLiteral("/window.png"),  // below a file: no folder can be made
        QString(),                                  // no name at all
    };
    for (const QString& path : cases) {
        QString error;
        EXPECT_FALSE(SaveImageFile(Picture(), path, &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty()) << path.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("plain.txt")})
        << "no temporary file is left";
}
