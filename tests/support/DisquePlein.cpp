#include "DisquePlein.h"

#include <QDir>
#include <QFile>

#include <csignal>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace vidora_test {

namespace {
const char* const kBouchon = ".bouchon";
}

DisquePlein::DisquePlein(Facon facon, const QString& dossier) : facon_(facon), dossier_(dossier) {
    if (facon_ == Facon::PetitDisque)
        monte_ = getuid() == 0 &&
                 mount("tmpfs", QFile::encodeName(dossier_).constData(), "tmpfs", 0, "size=8m") == 0;
    // The folders a test folder starts with, on the new file system too.
    if (monte_) QDir(dossier_).mkpath(QStringLiteral("Images"));
}

DisquePlein::~DisquePlein() {
    liberer();
    if (monte_) umount2(QFile::encodeName(dossier_).constData(), MNT_DETACH);
}

bool DisquePlein::possible() const {
    return facon_ == Facon::LimiteDeTaille || monte_;
}

bool DisquePlein::remplir(qint64 libre) {
    if (facon_ == Facon::LimiteDeTaille) {
        if (getrlimit(RLIMIT_FSIZE, &avant_) != 0) return false;
        signalAvant_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = avant_;
        l.rlim_cur = rlim_t(libre);
        limite_ = setrlimit(RLIMIT_FSIZE, &l) == 0;
        return limite_;
    }
    if (!monte_) return false;
    // Filled to the last byte, then given back what is to stay free.
    const QByteArray bouchon = QFile::encodeName(QDir(dossier_).filePath(QString::fromLatin1(kBouchon)));
    const int fd = open(bouchon.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const QByteArray bloc(64 * 1024, 'x');
    off_t taille = 0;
    for (ssize_t e; (e = write(fd, bloc.constData(), std::size_t(bloc.size()))) > 0;)
        taille += e;
    const bool fait = ftruncate(fd, std::max<off_t>(0, taille - off_t(libre))) == 0;
    close(fd);
    return fait;
}

void DisquePlein::liberer() {
    if (limite_) {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signalAvant_);
        limite_ = false;
    }
    if (monte_) QFile::remove(QDir(dossier_).filePath(QString::fromLatin1(kBouchon)));
}

} // namespace vidora_test
