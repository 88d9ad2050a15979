// Every CSS text form of every 8-bit colour, printed and read back: the count of
// colours that do not come back (it must be zero) and the time taken. Run once
// by hand; it takes minutes. An argument N checks every N-th colour only.
#include "colour/CssColourText.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const std::uint32_t stride = argc > 1 ? std::uint32_t(std::atoi(argv[1])) : 1;
    long long checked = 0;
    long long failures = 0;
    QElapsedTimer timer;
    timer.start();
    for (const CssFormRow& row : kCssForms) {
        long long formFailures = 0;
        for (std::uint32_t v = 0; v < 0x1000000u; v += stride) {
            const Rgb c{std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
            char text[kMaxCssFormLength];
            const char* end = WriteCssForm(text, row.form, c);
            const CssColourReading back = ReadCssColour(QString::fromLatin1(text, end - text));
            ++checked;
            if (!back.colour || *back.colour != c || back.gamutMapped || back.alphaIgnored) {
                if (++formFailures <= 5)
                    std::printf("%s: #%06X printed %.*s\n", row.key, unsigned(v), int(end - text),
                                text);
            }
        }
        std::printf("%-10s %lld not read back\n", row.key, formFailures);
        std::fflush(stdout);
        failures += formFailures;
    }
    std::printf("%lld texts printed and read back, %lld failures, %.1f s\n", checked, failures,
                timer.elapsed() / 1000.0);
    return failures == 0 ? 0 : 1;
}
