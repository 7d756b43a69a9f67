#pragma once
// A full disk, made two ways: a small file system mounted over a folder and filled (only root may
// mount one), or, for any user, a limit on the size of every file the process writes
// (setrlimit(RLIMIT_FSIZE), SIGXFSZ ignored), past which writes fail as on a full disk.

#include <QString>

#include <sys/resource.h>

namespace vidora_test {

class DisquePlein {
  public:
    enum class Facon { PetitDisque, LimiteDeTaille };
    // PetitDisque mounts the small file system over `dossier` at once: the test puts its files
    // in the folder afterwards.
    DisquePlein(Facon facon, const QString& dossier);
    ~DisquePlein();
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;

    // Whether this full disk can be had here (a small file system needs root).
    bool possible() const;
    // From now on no write goes further than about `libre` bytes: the small file system is filled
    // but for `libre` bytes, or no file may grow past `libre` bytes.
    bool remplir(qint64 libre);
    // Room again.
    void liberer();

  private:
    Facon facon_;
    QString dossier_;
    bool monte_ = false;
    bool limite_ = false;
    rlimit avant_{};
    void (*signalAvant_)(int) = nullptr;
};

} // namespace vidora_test
