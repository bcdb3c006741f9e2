// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <cstdint>
#include <random>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

// A short, repeatable round of the fuzz target over texts built from the characters the
// reader cares about, so that most inputs get deep into the number.
class TestToNumberFuzz : public QObject
{
    Q_OBJECT

  private slots:
    void fixedSeedRound()
    {
        static constexpr char alphabet[] = "0123456789012345678901234567890123456789"
                                           "..,,eEeE++--  \t\n&HhOoAaFf9Z\xd0\x9f\x80\xff";
        std::mt19937 random(20261208);
        std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 2);
        std::uniform_int_distribution<int> length(0, 40);
        for (int round = 0; round < 100000; ++round) {
            std::string text;
            for (int i = length(random); i > 0; --i)
                text.push_back(alphabet[pick(random)]);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(text.data()),
                                   text.size());
        }
    }
};

QTEST_GUILESS_MAIN(TestToNumberFuzz)
#include "test_to_number_fuzz.moc"
