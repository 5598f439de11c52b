#include "ui/filelists.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace ui {

namespace {

constexpr int kDepthRole = Qt::UserRole + 1;

// ---------------------------------------------------------------- folders on disk

QByteArray join(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? QByteArray(folder + name) : QByteArray(folder + '/' + name);
}

QByteArray parentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// An absolute path without "." or ".." steps, doubled or trailing slashes.
QByteArray cleaned(const QByteArray& path) {
    QList<QByteArray> parts;
    for (const QByteArray& p : path.split('/')) {
        if (p.isEmpty() || p == ".") continue;
        if (p == "..") {
            if (!parts.isEmpty()) parts.removeLast();
            continue;
        }
        parts.append(p);
    }
    return QByteArray('/' + parts.join('/'));
}

bool isUnder(const QByteArray& path, const QByteArray& root) {
    return root == "/" || path == root || (path.startsWith(root) && path.size() > root.size() && path[root.size()] == '/');
}

bool isFolder(const QByteArray& path) {
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool canList(const QByteArray& path) {
    DIR* d = ::opendir(path.constData());
    if (!d) return false;
    ::closedir(d);
    return true;
}

enum class Want { Folders, Files };

// The visible names of one kind in a folder; nothing when it cannot be read.
// Links count as what they point to; broken links count as nothing.
std::vector<QByteArray> readFolder(const QByteArray& folder, Want want) {
    std::vector<QByteArray> names;
    DIR* d = ::opendir(folder.constData());
    if (!d) return names;
    const int fd = ::dirfd(d);
    while (const dirent* e = ::readdir(d)) {
        if (e->d_name[0] == '.') continue;  // hidden, and "." and ".."
        unsigned char type = e->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat st {};
            if (::fstatat(fd, e->d_name, &st, 0) != 0) continue;
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if ((want == Want::Folders && type == DT_DIR) || (want == Want::Files && type == DT_REG))
            names.emplace_back(e->d_name);
    }
    ::closedir(d);
    return names;
}

// Sorted without regard to case. The folded keys are made once per name, not
// once per comparison: that halves the time a folder of 100,000 files takes.
void sortByShown(std::vector<NameModel::Row>& rows) {
    std::vector<std::pair<QString, size_t>> keys;
    keys.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keys.emplace_back(rows[i].shown.toCaseFolded(), i);
    std::sort(keys.begin(), keys.end(), [&rows](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : rows[a.second].native < rows[b.second].native;
    });
    std::vector<NameModel::Row> sorted;
    sorted.reserve(rows.size());
    for (const auto& k : keys) sorted.push_back(std::move(rows[k.second]));
    rows.swap(sorted);
}

// ---------------------------------------------------------------- the mount table

QByteArray unescapeMountField(const QByteArray& field) {
    // The kernel writes blanks, tabs, newlines and backslashes as \ooo.
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype k) { return k < field.size() && field[k] >= '0' && field[k] <= '7'; };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            out += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool isNetworkShare(const MountEntry& m) {
    static const QList<QByteArray> kNetwork{"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "afs", "ceph", "glusterfs",
                                            "fuse.sshfs", "davfs", "fuse.davfs2"};
    return kNetwork.contains(m.fsType) || m.source.startsWith("//") || m.source.contains(":/");
}

bool isDevice(const MountEntry& m) { return m.source.startsWith("/dev/") && m.fsType != "squashfs"; }

// A stat that gives up after a while: a dead network mount may never answer,
// and the window must not hang with it. The waiting thread is left behind.
bool answersWithin(const QByteArray& path, std::chrono::milliseconds limit) {
    struct Answer {
        std::mutex m;
        std::condition_variable cv;
        bool done = false;
        bool folder = false;
    };
    auto answer = std::make_shared<Answer>();
    std::thread([answer, path] {
        const bool folder = isFolder(path);
        const std::lock_guard lock(answer->m);
        answer->done = true;
        answer->folder = folder;
        answer->cv.notify_one();
    }).detach();
    std::unique_lock lock(answer->m);
    answer->cv.wait_for(lock, limit, [&] { return answer->done; });
    return answer->done && answer->folder;
}

class MachineVolumes final : public VolumeSource {
public:
    std::vector<MountEntry> mounts() const override {
        QFile f(QStringLiteral("/proc/self/mountinfo"));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return parseMountInfo(f.readAll());
    }
    bool isReady(const QByteArray& root) const override {
        const std::vector<MountEntry> now = mounts();
        const bool mounted = root == "/" || std::any_of(now.begin(), now.end(),
                                                        [&](const MountEntry& m) { return m.root == root; });
        return mounted && answersWithin(root, std::chrono::milliseconds(1500));
    }
};

const VolumeSource* g_source = nullptr;

std::vector<QByteArray> currentDriveRoots() { return driveRoots(volumes().mounts(), startFolder()); }

// ---------------------------------------------------------------- matching

bool globMatch(QStringView name, QStringView pattern) {
    // '*' any run, '?' one character; one step back to the last star on a mismatch.
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    const auto same = [](QChar a, QChar b) { return a == b || a.toCaseFolded() == b.toCaseFolded(); };
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

class FolderDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        o.rect.setLeft(o.rect.left() + index.data(kDepthRole).toInt() * kIndent);
        QStyledItemDelegate::paint(painter, o, index);
    }
    static constexpr int kIndent = 12;
};

void setUpView(QListView* v, NameModel* model) {
    v->setModel(model);
    v->setUniformItemSizes(true);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setTextElideMode(Qt::ElideRight);
    v->setWordWrap(false);
}

}  // namespace

// ---------------------------------------------------------------- volumes

const VolumeSource& volumes() {
    static const MachineVolumes machine;
    if (g_source) return *g_source;
    return machine;
}

void setVolumeSource(const VolumeSource* source) { g_source = source; }

std::vector<MountEntry> parseMountInfo(const QByteArray& text) {
    // id parent dev root mountpoint options [optional...] - fstype source superoptions
    std::vector<MountEntry> out;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        const qsizetype dash = f.indexOf("-");
        if (f.size() < 5 || dash < 6 || dash + 2 >= f.size()) continue;
        MountEntry m;
        m.root = unescapeMountField(f[4]);
        m.wholeFileSystem = unescapeMountField(f[3]) == "/";
        m.fsType = f[dash + 1];
        m.source = unescapeMountField(f[dash + 2]);
        if (m.root.startsWith('/')) out.push_back(std::move(m));
    }
    return out;
}

std::vector<QByteArray> driveRoots(const std::vector<MountEntry>& mounts, const QByteArray& start) {
    std::vector<QByteArray> all;
    std::vector<QByteArray> roots{QByteArray("/")};
    for (const MountEntry& m : mounts) {
        all.push_back(m.root);
        if (m.wholeFileSystem && (isDevice(m) || isNetworkShare(m))) roots.push_back(m.root);
    }
    roots.push_back(volumeOf(start, all));
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

QByteArray volumeOf(const QByteArray& path, const std::vector<QByteArray>& roots) {
    QByteArray best("/");
    for (const QByteArray& r : roots) {
        if (r.size() > best.size() && isUnder(path, r)) best = r;
    }
    return best;
}

QByteArray startFolder() {
    QByteArray cwd(4096, '\0');
    while (!::getcwd(cwd.data(), static_cast<size_t>(cwd.size()))) {
        if (errno != ERANGE) {
            cwd.clear();
            break;
        }
        cwd.resize(cwd.size() * 2);
    }
    cwd.truncate(qstrlen(cwd.constData()));
    if (!cwd.isEmpty() && canList(cwd)) return cwd;
    const QByteArray home = cleaned(qgetenv("HOME"));
    if (home != "/" && canList(home)) return home;
    return "/";
}

QString displayName(const QByteArray& native) {
    // Most names are plain printable ASCII, which needs no decoding.
    if (std::all_of(native.begin(), native.end(), [](char c) { return c >= 0x20 && c < 0x7f; }))
        return QString::fromLatin1(native);
    QString s = QFile::decodeName(native);
    for (QChar& c : s) {
        const char16_t u = c.unicode();
        if (u < 0x20) c = QChar(char16_t(0x2400 + u));  // the control pictures
        else if (u == 0x7f) c = QChar(char16_t(0x2421));
        else if (u == 0x2028 || u == 0x2029) c = QChar(char16_t(0x2424));
    }
    return s;
}

bool matchesPattern(const QString& name, const QString& patterns) {
    for (QStringView p : QStringView(patterns).split(u';')) {
        p = p.trimmed();
        if (!p.isEmpty() && globMatch(name, p)) return true;
    }
    return false;
}

// ---------------------------------------------------------------- model

void NameModel::setRows(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int NameModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

namespace {
// A folder drawn here rather than taken from the desktop's icon theme: looking
// a theme icon up reads the theme's index files, which would cost the window
// more time on opening than everything else it builds.
QPixmap folderPixmap(int size, qreal dpr, bool open) {
    QPixmap pm(QSize(size, size) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    const QColor edge(0x9a, 0x74, 0x1c);
    p.setPen(QPen(edge, 1.0));
    p.setBrush(QColor(0xe9, 0xc4, 0x5e));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}));
    if (open) {
        p.setBrush(QColor(0xf6, 0xdc, 0x8c));
        p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
    } else {
        p.drawLine(QPointF(1.5, 6.5), QPointF(14.5, 6.5));
    }
    return pm;
}

const QIcon& folderIcon(bool open) {
    static const std::array<QIcon, 2> icons = [] {
        std::array<QIcon, 2> made;
        for (int o = 0; o < 2; ++o)
            for (qreal dpr : {1.0, 2.0}) made[o].addPixmap(folderPixmap(16, dpr, o == 1));
        return made;
    }();
    return icons[open ? 1 : 0];
}

// A name or a path as a tool tip shows it: as written, never read as markup.
QString plainTip(const QString& text) { return Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap); }
}  // namespace

QVariant NameModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& r = row(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole: return r.shown;
        case Qt::ToolTipRole: return plainTip(r.shown);
        case Qt::DecorationRole:
            if (r.depth < 0) return {};
            return folderIcon(r.open);
        case kDepthRole: return std::max(0, r.depth);
        default: return {};
    }
}

// ---------------------------------------------------------------- drive list

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    const QByteArray start = startFolder();
    const std::vector<QByteArray> roots = driveRoots(volumes().mounts(), start);
    for (const QByteArray& r : roots) addItem(displayName(r), r);
    setCurrentIndex(findData(volumeOf(start, roots)));
    setMaxVisibleItems(20);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Change(); });
}

QByteArray DriveList::Drive() const { return root(currentIndex()); }
QByteArray DriveList::root(int index) const { return itemData(index).toByteArray(); }

void DriveList::focusInEvent(QFocusEvent* e) {
    QComboBox::focusInEvent(e);
    const Qt::FocusReason r = e->reason();
    if (r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason && r != Qt::MenuBarFocusReason) emit GotFocus();
}

// ---------------------------------------------------------------- folder list

DirList::DirList(QWidget* parent) : QListView(parent), model_(new NameModel(this)) {
    setUpView(this, model_);
    setItemDelegate(new FolderDelegate(this));
    const QByteArray start = startFolder();
    root_ = volumeOf(start, currentDriveRoots());
    enter(start);
    lastFolder_[root_] = start;
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& i) { openRow(i.row()); });
}

void DirList::enter(const QByteArray& folder) {
    path_ = folder;
    std::vector<NameModel::Row> rows;
    // The chain from the volume's root down to the folder, each step one deeper.
    rows.push_back({root_, displayName(root_), 0, true});
    const QByteArray rest = folder.mid(root_ == "/" ? 1 : root_.size() + 1);
    QByteArray step = root_;
    if (!rest.isEmpty()) {
        for (const QByteArray& part : rest.split('/')) {
            step = join(step, part);
            rows.push_back({step, displayName(part), static_cast<int>(rows.size()), true});
        }
    }
    const int current = static_cast<int>(rows.size()) - 1;
    std::vector<NameModel::Row> subfolders;
    for (const QByteArray& name : readFolder(folder, Want::Folders))
        subfolders.push_back({join(folder, name), displayName(name), current + 1, false});
    sortByShown(subfolders);
    std::move(subfolders.begin(), subfolders.end(), std::back_inserter(rows));
    model_->setRows(std::move(rows));
    setCurrentIndex(model_->index(current));
    showCurrent();
}

void DirList::showCurrent() {
    // The chain above the current folder stays in view as far as the list allows.
    scrollToTop();
    scrollTo(currentIndex());
}

void DirList::showEvent(QShowEvent* e) {
    QListView::showEvent(e);
    showCurrent();  // the view's height is known only now
}

PathResult DirList::setPath(const QByteArray& folder) {
    const QByteArray target = cleaned(folder);
    if (!isFolder(target)) return PathResult::Failed;
    if (!isUnder(target, root_)) root_ = volumeOf(target, currentDriveRoots());
    if (target == path_) return PathResult::Done;
    enter(target);
    lastFolder_[root_] = target;
    emit Change();
    return PathResult::Done;
}

PathResult DirList::setDrive(const QByteArray& root) {
    if (!volumes().isReady(root)) return PathResult::NotReady;
    if (!isFolder(root)) return PathResult::Failed;
    const auto last = lastFolder_.find(root);
    QByteArray target = last != lastFolder_.end() ? last->second : root;
    while (target != root && !isFolder(target)) target = parentOf(target);  // it may have gone meanwhile
    const bool newRoot = root != root_;
    root_ = root;
    lastFolder_[root_] = target;
    if (target == path_) {
        if (newRoot) enter(target);  // same folder, seen from another volume's root
        return PathResult::Done;
    }
    enter(target);
    emit Change();
    return PathResult::Done;
}

void DirList::openRow(int index) {
    if (index < 0 || index >= model_->rowCount()) return;
    const QByteArray folder = model_->row(index).native;
    if (folder == path_) return;
    if (setPath(folder) != PathResult::Failed) return;
    // A folder that has gone since the list was filled: show what is there now,
    // from the nearest folder that is still there if the current one has gone too.
    QByteArray here = path_;
    while (here != root_ && !isFolder(here)) here = parentOf(here);
    if (here == path_) {
        enter(path_);
        return;
    }
    enter(here);
    lastFolder_[root_] = here;
    emit Change();
}

void DirList::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        openRow(currentIndex().row());
        e->accept();
        return;
    }
    QListView::keyPressEvent(e);
}

// ---------------------------------------------------------------- file list

FileList::FileList(QWidget* parent) : QListView(parent), model_(new NameModel(this)), path_(startFolder()) {
    setUpView(this, model_);
}

void FileList::setPath(const QByteArray& folder) {
    const QByteArray target = cleaned(folder);
    if (target == path_) return;
    path_ = target;
    refresh();
    emit PathChange();
}

void FileList::setPattern(const QString& pattern) {
    if (pattern == pattern_) return;
    pattern_ = pattern;
    refresh();
    emit PatternChange();
}

int FileList::ListCount() const {
    fillIfStale();
    return model_->rowCount();
}

QString FileList::List(int index) const {
    fillIfStale();
    return model_->row(index).shown;
}

void FileList::showEvent(QShowEvent* e) {
    fillIfStale();
    QListView::showEvent(e);
}

void FileList::refresh() {
    stale_ = true;
    if (isVisible()) fillIfStale();
}

void FileList::fillIfStale() const {
    if (!stale_) return;
    stale_ = false;
    std::vector<NameModel::Row> rows;
    for (QByteArray& name : readFolder(path_, Want::Files)) {
        QString shown = displayName(name);
        if (matchesPattern(shown, pattern_)) rows.push_back({std::move(name), std::move(shown), -1, false});
    }
    sortByShown(rows);
    model_->setRows(std::move(rows));
}

// ---------------------------------------------------------------- path label

PathLabel::PathLabel(const QString& text, QWidget* parent) : Label(text, parent) {}

QSize PathLabel::minimumSizeHint() const { return {0, Label::minimumSizeHint().height()}; }

QString PathLabel::shownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

bool PathLabel::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        if (shownText() != text())
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), plainTip(text()), this);
        else
            QToolTip::hideText();
        return true;
    }
    return Label::event(e);
}

void PathLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    style()->drawItemText(&p, contentsRect(), int(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

}  // namespace ui
