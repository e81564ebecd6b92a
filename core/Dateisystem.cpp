#include "Dateisystem.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class TPosixEingabe final : public TEingabe {
public:
    explicit TPosixEingabe(int fd) : m_fd(fd) {}
    ~TPosixEingabe() override { ::close(m_fd); }

    size_t Lesen(void *ziel, size_t n) override
    {
        auto *p = static_cast<char *>(ziel);
        size_t gelesen = 0;
        while (gelesen < n) {
            const ssize_t r = ::read(m_fd, p + gelesen, n - gelesen);
            if (r < 0) {
                if (errno == EINTR)
                    continue;
                m_fehler = true;
                return 0;
            }
            if (r == 0)
                break;
            gelesen += static_cast<size_t>(r);
        }
        return gelesen;
    }
    bool Fehler() const override { return m_fehler; }
    int64_t Groesse() override
    {
        struct stat st {};
        return ::fstat(m_fd, &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
    }
    bool Zuruecksetzen() override
    {
        m_fehler = false;
        return ::lseek(m_fd, 0, SEEK_SET) == 0;
    }

private:
    int m_fd;
    bool m_fehler = false;
};

class TPosixAusgabe final : public TAusgabe {
public:
    explicit TPosixAusgabe(int fd) : m_fd(fd) { m_puffer.reserve(PufferGroesse); }
    ~TPosixAusgabe() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool Schreiben(const void *daten, size_t n) override
    {
        if (!m_ok)
            return false;
        const auto *p = static_cast<const char *>(daten);
        if (m_puffer.size() + n > PufferGroesse && !Leeren())
            return false;
        if (n >= PufferGroesse)
            return m_ok = AllesSchreiben(p, n);
        m_puffer.insert(m_puffer.end(), p, p + n);
        return true;
    }

    bool Schliessen() override
    {
        bool ok = m_ok && Leeren();
        // The user's data must be on the disk when we report success.
        if (ok && ::fsync(m_fd) != 0 && errno != EINVAL)
            ok = false;
        if (::close(m_fd) != 0)
            ok = false;
        m_fd = -1;
        return ok;
    }

private:
    static constexpr size_t PufferGroesse = 1 << 16;

    bool Leeren()
    {
        if (m_puffer.empty())
            return m_ok;
        m_ok = m_ok && AllesSchreiben(m_puffer.data(), m_puffer.size());
        m_puffer.clear();
        return m_ok;
    }

    bool AllesSchreiben(const char *p, size_t n)
    {
        while (n > 0) {
            const ssize_t r = ::write(m_fd, p, n);
            if (r < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            p += r;
            n -= static_cast<size_t>(r);
        }
        return true;
    }

    int m_fd;
    bool m_ok = true;
    std::vector<char> m_puffer;
};

} // namespace

bool TDateisystem::IstVerzeichnis(const std::string &pfad)
{
    struct stat st {};
    return !pfad.empty() && ::stat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool TDateisystem::IstDatei(const std::string &pfad)
{
    struct stat st {};
    return !pfad.empty() && ::stat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool TDateisystem::VerzeichnisAnlegen(const std::string &pfad)
{
    if (pfad.empty())
        return false;
    if (IstVerzeichnis(pfad))
        return true;
    const size_t schnitt = pfad.find_last_of('/', pfad.size() > 1 ? pfad.size() - 2 : 0);
    if (schnitt != std::string::npos && schnitt > 0 && !VerzeichnisAnlegen(pfad.substr(0, schnitt)))
        return false;
    return ::mkdir(pfad.c_str(), 0777) == 0 || IstVerzeichnis(pfad);
}

namespace {

class TPosixDateisystem final : public TDateisystem {
public:
    TPosixDateisystem()
    {
        // A file-size limit (ulimit -f) must end a write with EFBIG, reported
        // like a full disk, instead of killing the program with SIGXFSZ.
        std::signal(SIGXFSZ, SIG_IGN);
    }

    bool Existiert(const std::string &pfad) override
    {
        struct stat st {};
        return ::lstat(pfad.c_str(), &st) == 0;
    }
    bool Loeschen(const std::string &pfad) override { return ::unlink(pfad.c_str()) == 0; }
    bool Umbenennen(const std::string &alt, const std::string &neu) override
    {
        return ::rename(alt.c_str(), neu.c_str()) == 0;
    }
    std::unique_ptr<TEingabe> Oeffnen(const std::string &pfad) override
    {
        // Without O_NONBLOCK a FIFO would block the open until a writer came.
        const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return nullptr;
        struct stat st {};
        const int flags = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? ::fcntl(fd, F_GETFL) : -1;
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            ::close(fd);
            return nullptr;
        }
        return std::make_unique<TPosixEingabe>(fd);
    }
    std::unique_ptr<TAusgabe> Zwischendatei(const std::string &pfad, std::string &name) override
    {
        const size_t schnitt = pfad.rfind('/');
        const std::string verzeichnis = schnitt == std::string::npos ? "" : pfad.substr(0, schnitt + 1);
        // ".Auto.SPR.sprilo-x7Gq2M": hidden, and its ending is random, so no
        // file type of the dialogs matches it. The name is cut so that the
        // whole fits into the 255 bytes of a directory entry.
        std::string basis = schnitt == std::string::npos ? pfad : pfad.substr(schnitt + 1);
        basis.resize(std::min<size_t>(basis.size(), 200));
        struct stat st {};
        const bool vorhanden = ::stat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode);
        for (int versuch = 0; versuch < 100; ++versuch) {
            name = verzeichnis + "." + basis + ".sprilo-" + Zufallsteil();
            // O_EXCL: never a file that someone else made or still uses.
            const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                // The data file keeps its access rights when it is replaced.
                if (vorhanden)
                    ::fchmod(fd, st.st_mode & 0777);
                return std::make_unique<TPosixAusgabe>(fd);
            }
            if (errno != EEXIST)
                break;
        }
        name.clear();
        return nullptr;
    }
    bool VerzeichnisSichern(const std::string &verzeichnis) override
    {
        const int fd = ::open(verzeichnis.empty() ? "." : verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return false;
        // Some file systems cannot flush a directory (EINVAL); they need not.
        const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
        ::close(fd);
        return ok;
    }

private:
    static std::string Zufallsteil()
    {
        static const char zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        static std::mt19937_64 zufall(std::random_device{}() ^ (uint64_t(::getpid()) << 32));
        std::string teil(6, ' ');
        for (char &c : teil)
            c = zeichen[zufall() % (sizeof zeichen - 1)];
        return teil;
    }
};

class TSpeicherEingabe final : public TEingabe {
public:
    explicit TSpeicherEingabe(std::string bytes) : m_bytes(std::move(bytes)) {}
    size_t Lesen(void *ziel, size_t n) override
    {
        const size_t k = std::min(n, m_bytes.size() - m_pos);
        std::memcpy(ziel, m_bytes.data() + m_pos, k);
        m_pos += k;
        return k;
    }
    bool Fehler() const override { return false; }
    int64_t Groesse() override { return static_cast<int64_t>(m_bytes.size()); }
    bool Zuruecksetzen() override
    {
        m_pos = 0;
        return true;
    }

private:
    std::string m_bytes;
    size_t m_pos = 0;
};

TPosixDateisystem posix;
TDateisystem *aktuell = &posix;

} // namespace

TDateisystem &Dateisystem()
{
    return *aktuell;
}

void DateisystemSetzen(TDateisystem *d)
{
    aktuell = d ? d : &posix;
}

std::unique_ptr<TEingabe> SpeicherEingabe(std::string bytes)
{
    return std::make_unique<TSpeicherEingabe>(std::move(bytes));
}
