// A sprite sheet is read only from a regular file: whatever else stands in its place reads as
// missing, at once, and the game starts with a blank board instead of waiting for ever.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "PictureFile.h"

namespace {

// Opens and reads on a thread of its own, so a call that waits fails the test instead of hanging it.
QByteArray ReadWithin(const QString& path, bool* waited)
{
    auto result = std::make_shared<std::promise<QByteArray>>();
    std::future<QByteArray> read = result->get_future();
    std::thread([result, path] {
        QFile file;
        result->set_value(OpenPictureFile(path, file) ? file.readAll() : QByteArray("not opened"));
    }).detach();
    *waited = read.wait_for(std::chrono::seconds(5)) != std::future_status::ready;
    return *waited ? QByteArray() : read.get();
}

}  // namespace

TEST(PictureFile, AnythingButARegularFileReadsAsMissingWithoutWaiting)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile sheet(dir.filePath("sheet"));
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write(QByteArray(100, 'x'));
    sheet.close();
    for (const QString& path : {fifo, dir.path(), QStringLiteral("/dev/zero"), dir.filePath("none")}) {
        bool waited = false;
        EXPECT_EQ(ReadWithin(path, &waited), QByteArray("not opened")) << path.toStdString();
        EXPECT_FALSE(waited) << path.toStdString();
    }
    bool waited = false;
    EXPECT_EQ(ReadWithin(sheet.fileName(), &waited), QByteArray(100, 'x'));
}
