#include "desktop/files/safe_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <atomic>
#include <cerrno>
#include <system_error>

namespace quov {

namespace {

QString failure(const char* what, const QString& path, int error) {
  return QStringLiteral("%1 %2: %3")
      .arg(QLatin1String(what), path,
           QString::fromStdString(std::generic_category().message(error)));
}

// Closes a descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports the error a delayed write may only show here.
  int release() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

QByteArray native(const QString& path) { return QFile::encodeName(path); }

bool writeAll(int fd, const QByteArray& bytes) {
  const char* p = bytes.constData();
  qint64 left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

QString temporaryName(const QString& name, unsigned serial) {
  return QStringLiteral(".%1.%2.%3.tmp").arg(name).arg(::getpid()).arg(serial);
}

std::atomic<unsigned> nextSerial{0};

}  // namespace

FileKind fileKind(const QString& path) {
  struct stat st {};
  if (::stat(native(path).constData(), &st) != 0)
    return errno == ENOENT ? FileKind::Missing : FileKind::Other;
  return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

FileRead readRegularFile(const QString& path, qint64 maxBytes, LinkAtPath link) {
  FileRead r;
  using O = FileRead::Outcome;
  const bool follow = link == LinkAtPath::Follow;
  struct stat st {};
  if ((follow ? ::stat(native(path).constData(), &st) : ::lstat(native(path).constData(), &st)) != 0) {
    // A file where a folder of the path belongs: nothing can be there.
    if (errno == ENOENT || errno == ENOTDIR) return r;
    r.outcome = O::Failed;
    r.error = failure("cannot look at", path, errno);
    return r;
  }
  if (!S_ISREG(st.st_mode)) {
    r.outcome = O::Refused;
    r.error = path + QStringLiteral(" is not a regular file");
    return r;
  }
  // Non-blocking, in case something else was put there since the look.
  Fd fd(::open(native(path).constData(),
               O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW)));
  if (fd.get() < 0) {
    if (errno == ELOOP) {  // a link put there since the look
      r.outcome = O::Refused;
      r.error = path + QStringLiteral(" is not a regular file");
      return r;
    }
    r.outcome = errno == ENOENT ? O::Missing : O::Failed;
    if (r.outcome == O::Failed) r.error = failure("cannot open", path, errno);
    return r;
  }
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    r.outcome = O::Refused;
    r.error = path + QStringLiteral(" is not a regular file");
    return r;
  }
  if (st.st_size > maxBytes) {
    r.outcome = O::TooLarge;
    r.error = path + QStringLiteral(" is too large");
    return r;
  }
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      r.outcome = O::Failed;
      r.error = failure("cannot read", path, errno);
      r.bytes.clear();
      return r;
    }
    if (n == 0) break;
    r.bytes.append(buffer, n);
    if (r.bytes.size() > maxBytes) {
      r.outcome = O::TooLarge;
      r.error = path + QStringLiteral(" is too large");
      r.bytes.clear();
      return r;
    }
  }
  r.outcome = O::Read;
  return r;
}

QString replaceFile(const QString& folder, const QString& name, const QByteArray& bytes,
                    bool durable) {
  Fd dir(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() < 0) return failure("cannot open the folder", folder, errno);

  QString temp;
  int fd = -1;
  for (int tries = 0; fd < 0 && tries < 100; ++tries) {
    temp = temporaryName(name, nextSerial++);
    fd = ::openat(dir.get(), native(temp).constData(),
                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return failure("cannot create a file in", folder, errno);
  }
  if (fd < 0) return failure("cannot create a file in", folder, EEXIST);
  Fd file(fd);
  const QString path = folder + u'/' + name;
  const auto discard = [&](const char* what, int error) {
    ::unlinkat(dir.get(), native(temp).constData(), 0);
    return failure(what, path, error);
  };
  if (!writeAll(file.get(), bytes)) return discard("cannot write", errno);
  if (durable && ::fsync(file.get()) != 0) return discard("cannot write", errno);
  if (file.release() != 0) return discard("cannot write", errno);
  if (::renameat(dir.get(), native(temp).constData(), dir.get(), native(name).constData()) != 0)
    return discard("cannot replace", errno);
  if (durable && ::fsync(dir.get()) != 0) return failure("cannot write", folder, errno);
  return {};
}

QString renameInFolder(const QString& folder, const QString& from, const QString& to) {
  const QString a = folder + u'/' + from;
  if (::rename(native(a).constData(), native(folder + u'/' + to).constData()) != 0)
    return failure("cannot rename", a, errno);
  return {};
}

QString syncFolder(const QString& folder) {
  Fd dir(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() < 0 || ::fsync(dir.get()) != 0) return failure("cannot write", folder, errno);
  return {};
}

bool isTemporaryFor(const QString& fileName, const QString& name) {
  return fileName.startsWith(u'.' + name + u'.') && fileName.endsWith(QStringLiteral(".tmp"));
}

}  // namespace quov
