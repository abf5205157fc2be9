#include "app/core/NoteFileCodec.h"
#include "app/core/NoteStorage.h"
#include "app/core/StoredText.h"
#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace pennoc {
namespace {

// Random notes as the editor can make them: any characters, line breaks as CR LF (a lone LF too), often
// characters that code page 936 lacks, €, and beginnings whose bytes are a UTF-8 byte-order mark.
class NoteGenerator {
public:
    NoteGenerator(const TextCodec& codec, unsigned seed)
        : m_random(seed) {
        // 锘 followed by any character whose GB18030 bytes start with 0xBF: the file begins EF BB BF.
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            std::u16string pair;
            const std::string bytes = std::string("\xEF\xBB\xBF") + static_cast<char>(trail);
            if (trail != 0x7F && codec.decode(bytes, pair)) {
                m_markLookalikes.push_back(pair);
            }
        }
    }

    std::u16string note() {
        std::u16string text;
        if (pick(4) == 0) {
            text = m_markLookalikes[pick(m_markLookalikes.size())];
        }
        const std::size_t length = pick(40);
        while (text.size() < length) {
            append(text);
        }
        return text;
    }

private:
    std::size_t pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_random); }
    char16_t unitIn(char16_t first, char16_t last) {
        return static_cast<char16_t>(first + pick(static_cast<std::size_t>(last - first) + 1));
    }

    void append(std::u16string& text) {
        switch (pick(10)) {
        case 0:
            text += u"\r\n";
            break;
        case 1:
            text += pick(2) == 0 ? u'€' : u'\n';
            break;
        case 2:
            text += unitIn(u'\x20', u'\x7E');
            break;
        case 3:
            text += unitIn(u'\u4E00', u'\u9FA5'); // in code page 936
            break;
        case 4:
            text += unitIn(u'\x80', u'\u07FF'); // mostly not in code page 936
            break;
        case 5:
            text += unitIn(u'\u3400', u'\u4DB5');
            break;
        case 6:
            text += unitIn(u'\uE000', u'\uF8FF');
            break;
        case 7:
            text += pick(2) == 0 ? u'\uFEFF' : unitIn(u'\uFFF0', u'\uFFFF');
            break;
        default:
            text += unitIn(u'\xD800', u'\xDBFF');
            text += unitIn(u'\xDC00', u'\xDFFF');
            break;
        }
    }

    std::mt19937 m_random;
    std::vector<std::u16string> m_markLookalikes;
};

TEST(NoteRoundTrip, EveryTextComesBackExactly) {
    Gb18030Codec codec;
    NoteGenerator generator(codec, 20261207);
    const NoteFileCodec files(codec);
    int markLookalikes = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::u16string text = fileTextFromNote(generator.note());
        const std::optional<std::string> bytes = files.encode(text);
        ASSERT_TRUE(bytes) << i;
        markLookalikes += bytes->starts_with("\xEF\xBB\xBF") ? 1 : 0;
        const NoteFileCodec::Reading reading = files.decode(*bytes);
        ASSERT_TRUE(reading.readable) << i;
        ASSERT_EQ(reading.content, text) << i;
    }
    EXPECT_GT(markLookalikes, 1000);

    test::TemporaryFolder folder;
    LocalFileSystem disk;
    NoteStorage storage(disk, codec, folder.path());
    storage.prepare();
    constexpr std::size_t kNotesPerSave = 50;
    for (int round = 0; round < 20; ++round) {
        std::vector<std::u16string> texts;
        for (std::size_t i = 0; i < kNotesPerSave; ++i) {
            texts.push_back(generator.note());
        }
        storage.save(texts, false);
        const StoredNotes stored = storage.load();
        // They come back in the order they were saved in, past ten notes too.
        EXPECT_EQ(stored.texts, texts) << round;
        EXPECT_TRUE(stored.warnings.empty()) << round;
    }
}

} // namespace
} // namespace pennoc
