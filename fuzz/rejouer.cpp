// Without libFuzzer: replays the corpus files given on the command line,
// then a fixed number of pseudo-random inputs, through the fuzz target.
#include <QByteArray>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        QFile f(QString::fromLocal8Bit(argv[i]));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const QByteArray d = f.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(d.constData()), static_cast<std::size_t>(d.size()));
    }
    std::mt19937 hasard(20121);
    const char alphabet[] = " \t+-0123456789\\\"aAzZ.:,éÉ\x01\xff";
    for (int essai = 0; essai < 20000; ++essai) {
        std::string s(hasard() % 160, ' ');
        for (char& c : s)
            c = (hasard() % 4 == 0) ? static_cast<char>(hasard()) : alphabet[hasard() % (sizeof alphabet - 1)];
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
    }
    return 0;
}
