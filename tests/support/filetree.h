#pragma once

// Prepared folders on disk and a pretended set of volumes, for the file lists.

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <filesystem>
#include <vector>

#include "ui/filelists.h"

namespace testsupport {

// A temporary folder filled from entries: "name" a file, "name/" a folder,
// "name -> target" a symbolic link, "name/!" a folder nobody may read.
// It lives in memory where the machine offers that: creating thousands of files
// on a busy disk takes seconds.
class FileTree {
public:
    FileTree() : dir_(base() + QStringLiteral("/filetree-XXXXXX")) { ::chmod(QFile::encodeName(dir_.path()).constData(), 0755); }
    explicit FileTree(const std::vector<QByteArray>& entries) : FileTree() { add(entries); }
    ~FileTree() {
        // Names that are not valid UTF-8 are beyond QTemporaryDir: remove by bytes.
        for (const QByteArray& p : locked_) ::chmod(p.constData(), 0755);
        std::error_code ignored;
        std::filesystem::remove_all(path().toStdString(), ignored);
    }
    FileTree(const FileTree&) = delete;
    FileTree& operator=(const FileTree&) = delete;

    QByteArray path(const QByteArray& relative = {}) const {
        const QByteArray root = QFile::encodeName(dir_.path());
        return relative.isEmpty() ? root : root + '/' + relative;
    }
    void add(const std::vector<QByteArray>& entries) {
        for (const QByteArray& entry : entries) {
            if (const qsizetype arrow = entry.indexOf(" -> "); arrow > 0) {
                ::symlink(entry.mid(arrow + 4).constData(), path(entry.left(arrow)).constData());
            } else if (entry.endsWith("/!")) {
                const QByteArray p = path(entry.chopped(2));
                ::mkdir(p.constData(), 0755);
                locked_.push_back(p);
            } else if (entry.endsWith('/')) {
                ::mkdir(path(entry.chopped(1)).constData(), 0755);
            } else {
                ::close(::open(path(entry).constData(), O_CREAT | O_WRONLY, 0644));
            }
        }
        for (const QByteArray& p : locked_) ::chmod(p.constData(), 0);
    }

private:
    static QString base() {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    }
    QTemporaryDir dir_;
    std::vector<QByteArray> locked_;
};

// Reads the file system as an ordinary user would, even when the tests run as
// root (who may read any folder).
class AsOrdinaryUser {
public:
    AsOrdinaryUser() {
        if (::geteuid() == 0) ::setfsuid(65534);
    }
    ~AsOrdinaryUser() {
        if (::geteuid() == 0) ::setfsuid(0);
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;
};

// Volumes at the given roots, each on a device; a root in notReady has gone.
class FakeVolumes final : public ui::VolumeSource {
public:
    explicit FakeVolumes(const std::vector<QByteArray>& roots) {
        for (const QByteArray& r : roots) mounts_.push_back({r, "ext4", "/dev/fake", true});
        ui::setVolumeSource(this);
    }
    ~FakeVolumes() override { ui::setVolumeSource(nullptr); }
    FakeVolumes(const FakeVolumes&) = delete;
    FakeVolumes& operator=(const FakeVolumes&) = delete;

    std::vector<ui::MountEntry> mounts() const override { return mounts_; }
    bool isReady(const QByteArray& root) const override { return !notReady.contains(root); }

    QSet<QByteArray> notReady;

private:
    std::vector<ui::MountEntry> mounts_;
};

}  // namespace testsupport
