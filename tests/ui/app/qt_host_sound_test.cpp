#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSoundEffect>
#include <QUrl>

#include "core/common/byte_io.h"
#include "core/game/game.h"
#include "support/temp_app_folder.h"
#include "ui/app/qt_host.h"

namespace quillby {
namespace {

using testing::TempAppFolder;
using testing::WriteBytes;

// A tenth of a second of a 440 Hz square wave: 8 kHz, 16-bit mono PCM.
std::vector<std::byte> ShortClick()
{
    constexpr int kRate = 8000;
    constexpr int kSamples = kRate / 10;
    ByteWriter writer;
    writer.WriteText("RIFF");
    writer.WriteI32Le(36 + 2 * kSamples);
    writer.WriteText("WAVEfmt ");
    writer.WriteI32Le(16);
    writer.WriteU8(1);  // PCM, 16 bits little-endian
    writer.WriteU8(0);
    writer.WriteU8(1);  // one channel
    writer.WriteU8(0);
    writer.WriteI32Le(kRate);
    writer.WriteI32Le(2 * kRate);
    writer.WriteU8(2);  // block align
    writer.WriteU8(0);
    writer.WriteU8(16);  // bits a sample
    writer.WriteU8(0);
    writer.WriteText("data");
    writer.WriteI32Le(2 * kSamples);
    for (int i = 0; i < kSamples; ++i) {
        const int value = (i * 440 / kRate) % 2 == 0 ? 8000 : -8000;
        writer.WriteU8(static_cast<std::uint8_t>(value & 0xFF));
        writer.WriteU8(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }
    return writer.Take();
}

// The effect's status once it has left Loading, or Loading when five seconds were not enough.
QSoundEffect::Status SettledStatus(const QSoundEffect& sound)
{
    const QDeadlineTimer deadline(5000);
    while (sound.status() == QSoundEffect::Loading && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return sound.status();
}

TEST(QtHostSound, TheHintClickPlaysItsFileAndAMissingOrDamagedFileStaysSilent)
{
    // PlaySound was empty on the desktop: the Hint click never sounded, although the game
    // builds data/click.wav and links Qt Multimedia for it.
    TempAppFolder folder;
    QtHost host;
    Game game{host, folder.Path()};
    const std::string click = game.paths.ClickSound();

    host.PlaySound(click);  // not there: nothing to play, and nothing goes wrong
    EXPECT_EQ(host.Sound(), nullptr);
    // A wave file that ends early never reaches the player, which would wait for ever for
    // the rest of it and hang the game at the next sound.
    std::vector<std::byte> truncated = ShortClick();
    truncated.resize(truncated.size() / 2);
    WriteBytes(click, truncated);
    host.PlaySound(click);
    EXPECT_EQ(host.Sound(), nullptr);

    WriteBytes(click, ShortClick());
    host.PlaySound(click);
    ASSERT_NE(host.Sound(), nullptr);
    EXPECT_EQ(host.Sound()->source(), QUrl::fromLocalFile(QString::fromStdString(click)));
    // The file is read off the calling thread; it loads whether or not there is a device to
    // play it on.
    EXPECT_EQ(SettledStatus(*host.Sound()), QSoundEffect::Ready);
    const QSoundEffect* first = host.Sound();
    host.PlaySound(click);  // the next hint plays the decoded sound again
    EXPECT_EQ(host.Sound(), first);

    const std::string other = folder.Path() + "/data/other.wav";
    WriteBytes(other, {std::byte{'R'}, std::byte{'I'}, std::byte{'F'}, std::byte{'F'}});
    host.PlaySound(other);  // refused: the click stays ready
    EXPECT_EQ(host.Sound()->source(), QUrl::fromLocalFile(QString::fromStdString(click)));
    EXPECT_EQ(host.Sound()->status(), QSoundEffect::Ready);
}

}  // namespace
}  // namespace quillby
