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

#include "RegularFile.h"

namespace {

// Reads on a thread of its own, so a read that waits fails the test instead of hanging it.
QByteArray ReadWithin(const QString& path, qint64 maxBytes, bool* waited)
{
    auto result = std::make_shared<std::promise<QByteArray>>();
    std::future<QByteArray> read = result->get_future();
    std::thread([result, path, maxBytes] { result->set_value(ReadRegularFile(path, maxBytes)); }).detach();
    *waited = read.wait_for(std::chrono::seconds(5)) != std::future_status::ready;
    return *waited ? QByteArray() : read.get();
}

}  // namespace

TEST(RegularFile, AnythingButARegularFileReadsAsMissingWithoutWaiting)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile big(dir.filePath("big"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(100, 'x'));
    big.close();
    for (const QString& path : {fifo, dir.path(), QStringLiteral("/dev/zero"), dir.filePath("none"), big.fileName()}) {
        bool waited = false;
        EXPECT_TRUE(ReadWithin(path, 99, &waited).isEmpty()) << path.toStdString();
        EXPECT_FALSE(waited) << path.toStdString();
    }
    bool waited = false;
    EXPECT_EQ(ReadWithin(big.fileName(), 100, &waited), QByteArray(100, 'x'));
}
