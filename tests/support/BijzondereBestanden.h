// Files that are hard to read or write, for the tests of refusing and of cutting back.
#pragma once

#include "Vervangen.h"

#include <QFile>
#include <QString>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// A FIFO under a file's name. Opening one the ordinary way waits for its other end; so that
// a program that does so cannot hang the test, a helper holds the reading end open (and
// drains it) and keeps opening and closing a writing end: a waiting open then returns and
// the test fails on what it expects instead.
class TFifo {
public:
    explicit TFifo(const QString& pad) : fPad(QFile::encodeName(pad)) {
        if (::mkfifo(fPad.constData(), 0600) != 0) throw std::runtime_error("mkfifo failed");
        fLezer = ::open(fPad.constData(), O_RDONLY | O_NONBLOCK);
        fHelper = std::thread([this] {
            char buffer[4096];
            while (!fKlaar) {
                while (::read(fLezer, buffer, sizeof buffer) > 0) {
                }
                const int schrijver = ::open(fPad.constData(), O_WRONLY | O_NONBLOCK);
                if (schrijver >= 0) ::close(schrijver);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    ~TFifo() {
        fKlaar = true;
        fHelper.join();
        ::close(fLezer);
    }
    TFifo(const TFifo&) = delete;
    TFifo& operator=(const TFifo&) = delete;

private:
    QByteArray fPad;
    int fLezer = -1;
    std::atomic<bool> fKlaar{false};
    std::thread fHelper;
};

// While it lives, no file may grow beyond grens bytes: a write past it stops there and then
// fails (its signal ignored), as on a full disk.
class TGroottegrens {
public:
    explicit TGroottegrens(rlim_t grens) {
        ::getrlimit(RLIMIT_FSIZE, &fOud);
        rlimit nieuw = fOud;
        nieuw.rlim_cur = grens;
        ::setrlimit(RLIMIT_FSIZE, &nieuw);
        fSignaal = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~TGroottegrens() {
        ::setrlimit(RLIMIT_FSIZE, &fOud);
        std::signal(SIGXFSZ, fSignaal);
    }
    TGroottegrens(const TGroottegrens&) = delete;
    TGroottegrens& operator=(const TGroottegrens&) = delete;

private:
    rlimit fOud{};
    void (*fSignaal)(int) = nullptr;
};

// While it lives, bringing a replaced file's data to the disk fails, as a network folder's
// full disk or quota may first show there.
class TSyncFout {
public:
    TSyncFout()
        : fOud(ZetSynchroniseer([](int) {
              errno = EIO;
              return -1;
          })) {}
    ~TSyncFout() { ZetSynchroniseer(fOud); }
    TSyncFout(const TSyncFout&) = delete;
    TSyncFout& operator=(const TSyncFout&) = delete;

private:
    TSynchroniseer fOud;
};

// What a save must leave alone or write through at a name: a FIFO, a symlink to a FIFO, or
// a symlink to a regular file (holding inhoud).
enum class TDoel { Fifo, LinkNaarFifo, LinkNaarBestand };
inline void MaakDoel(TDoel doel, const QString& pad, const QByteArray& inhoud = {}) {
    const QString eind = doel == TDoel::Fifo ? pad : pad + QStringLiteral(".doel");
    if (doel == TDoel::LinkNaarBestand) {
        QFile f(eind);
        if (!f.open(QIODevice::WriteOnly) || f.write(inhoud) != inhoud.size())
            throw std::runtime_error("write failed");
    } else if (::mkfifo(QFile::encodeName(eind).constData(), 0600) != 0) {
        throw std::runtime_error("mkfifo failed");
    }
    if (doel != TDoel::Fifo && !QFile::link(eind, pad)) throw std::runtime_error("symlink failed");
}
// What the name (a symlink followed) leads to: "<fifo>" for a FIFO, else the file's bytes.
inline QByteArray Stand(const QString& pad) {
    struct stat st {};
    if (::stat(QFile::encodeName(pad).constData(), &st) == 0 && S_ISFIFO(st.st_mode)) return "<fifo>";
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
