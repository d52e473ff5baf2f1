// Reader and writer of the document file.
#include "document/document_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <exception>
#include <memory>
#include <new>
#include <random>
#include <stdexcept>
#include <vector>

#include "document/def_premium.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/services.h"
#include "text/vb_text_io.h"

namespace norva {

namespace {

constexpr const char* kReadFailed = "ファイル読込み時にエラーが発生しました。";
constexpr const char* kWriteFailed = "ファイル書き込み時にエラーが発生しました。";
constexpr int kTrailerLines = 499;

// An embedded load or case record reported failure. It has dealt with its
// own error, so the message shows number 0 and no description.
class RecordFailure : public std::runtime_error {
 public:
  RecordFailure() : std::runtime_error("") {}
};

// A failure of the save itself (creating, writing or renaming the file).
struct SaveError {
  int number;
  std::string description;
};

void ShowFileError(const char* first, int number, const std::string& description) {
  const std::string text = std::string(first) + "\r\n\r\nErr = " + std::to_string(number) +
                           "\r\n( " + description + " )";
  MessageSink().Show(kProgramTitle, text, MsgIcon::Warning, MsgButtons::Ok);
}

// Error number and description of a failure caught while reading or writing.
void Describe(const std::exception_ptr& ep, int* number, std::string* description) {
  try {
    std::rethrow_exception(ep);
  } catch (const RecordFailure&) {
    *number = 0;
    description->clear();
  } catch (const VbFileError& e) {
    *number = e.number();
    *description = e.description();
  } catch (const std::out_of_range&) {
    *number = 9;
    *description = "インデックスが有効範囲にありません。";
  } catch (const std::bad_alloc&) {
    *number = 7;
    *description = "メモリが不足しています。";
  } catch (const std::exception& e) {
    *number = 0;
    *description = e.what();
  } catch (...) {
    *number = 0;
    description->clear();
  }
}

// ---- writing -----------------------------------------------------------------

void WriteBody(const CDocument& d, VbTextWriter& w) {
  using i16 = int16_t;
  using i32 = int32_t;

  w.WriteLine(FileVersionNumber());
  for (int i = 0; i < 6; ++i) w.WriteLine(d.bInpSt(i));
  w.WriteText(d.Title);
  w.WriteLine(d.Unit, d.Sisin, d.WallType(), d.Doatsu);
  w.WriteLine(d.bQuake, d.Kh(0), d.Kh(1));
  w.WriteLine(d.BackType, d.KiriDoatsu);
  w.WriteLine(d.Gamb, d.Gambd, d.Gamf, d.Gamfd, d.Gamcw, d.Gamcf, d.Gamw);
  w.WriteLine(d.Fai, d.C(0), d.C(1), d.delt(0), d.delt(1), d.Deltd, d.Cd);
  w.WriteLine(d.SgmCk, d.Sgmca, d.Sgmta, d.Taua, d.Sgmsa);
  w.WriteLine(d.SecDoatsu);
  w.WriteLine(d.WallH, d.WallL, d.WallB);
  w.WriteLine(d.BlkT, d.BlkDeltT1, d.BlkN, d.nBlkSetup, d.nBlkFound, d.BlkB, d.BlkH1, d.BlkH2);
  w.WriteLine(d.BlkB1, d.BlkT2, d.BlkDeltT2);
  w.WriteLine(d.GrwB, d.GrwB1, d.GrwB2, d.GrwN);
  w.WriteLine(d.MtwH1, d.MtwH2, d.MtwH3, d.MtwB1, d.MtwB2, d.MtwB3, d.MtwB4);
  w.WriteLine(d.MtwN1, d.MtwN2);
  w.WriteLine(d.MxwH1, d.MxwH2);
  w.WriteLine(d.MxwH3, d.GrwB3);
  w.WriteLine(d.GrwB4, d.GrwH1);
  w.WriteLine(d.nKeisya, d.KeisyaH);
  w.WriteLine(d.Tokki, d.TokX, d.TokB, d.TokL);
  w.WriteLine(d.SoilFH(0), d.SoilFH(1));
  w.WriteLine(d.nWater, d.nWlvlAuto);
  w.WriteLine(d.WatFH(0), d.WatFH(1), d.WatBH(0), d.WatBH(1));
  w.WriteLine(d.UragomeType, d.UraHd, d.UraN, d.UraX1, d.UraX2, d.UraH0);
  const i32 n = d.nUraNini();
  w.WriteLine(n);
  for (int i = 0; i < n; ++i) w.WriteLine(d.UraNiniX(i), d.UraNiniY(i));
  w.WriteLine(d.KiriD, d.KiriN);
  w.WriteLine(d.nTentou);
  w.WriteLine(d.ChkSlide);
  w.WriteLine(d.nJyudo, d.Pp(0), d.Pp(1));
  w.WriteLine(i16{0});  // a retired item; readers skip it
  w.WriteLine(d.nQa, d.Qa);
  w.WriteLine(d.Faib, d.Myu, d.cb);
  w.WriteLine(d.SijiFai, d.SijiC, d.SijiGam1);
  w.WriteLine(d.Df, d.Dfd, d.SijiGam2);
  w.WriteLine(d.AE0(0), d.AE0(1));
  w.WriteLine(d.nAutoMobile, d.nAutoTload, d.AutoPos, d.AutoWidth, d.AutoLoad);
  w.WriteLine(d.nGunsyu, d.GunsyuPos, d.GunsyuWidth, d.GunsyuLoad);
  w.WriteLine(d.nSnow, d.nSnowType, d.SnowPos, d.SnowDepth, d.SnowLoad);
  w.WriteLine(d.nTakuchi, d.TakuchiPos, d.TakuchiWidth, d.TakuchiLoad);
  w.WriteLine(d.nAutoCrash(0), d.nAutoCrash(1), d.nAutoCrashBougo);
  w.WriteLine(d.nAutoCrashBougoClass, d.nAutoCrashBougoModel);
  w.WriteLine(d.AutoCrashWidth, d.AutoCrashHigh, d.AutoCrashLoad);
  w.WriteLine(d.nStone, d.StoneHight, d.StonePich, d.StoneLoad, d.StoneSgmy, d.StoneZ);
  w.WriteLine(d.nWind, d.WindPos, d.WindHight, d.WindLoad);

  const i16 m = d.nNiniCount();
  w.WriteLine(m);
  for (int j = 0; j < m; ++j) {
    const auto rec = d.pNini(j);
    if (!rec || !rec->DataWrite(&w)) throw RecordFailure();
  }
  const i16 k = d.nCase();
  w.WriteLine(k);
  for (int c = 0; c < k; ++c) {
    const auto rec = d.pCase(c);
    if (!rec || !rec->Serialize(w)) throw RecordFailure();
  }

  // Heights part by part, as WallSecY(part, index) is addressed everywhere.
  const i16 s0 = d.nWallSecCnt(0);
  const i16 s1 = d.nWallSecCnt(1);
  w.WriteLine(s0, s1);
  for (int i = 0; i < s0; ++i) w.WriteLine(d.WallSecY(0, i));
  for (int i = 0; i < s1; ++i) w.WriteLine(d.WallSecY(1, i));

  w.WriteLine(d.TokDia, d.TokHon, d.TokKab, d.TokPich);
  w.WriteLine(d.Tiiki, d.Jiban1, d.Kouzou);
  w.WriteLine(d.Delt3, d.Kibo, d.Jiban2);
  w.WriteLine(d.Youto);
  const i16 r = d.nTokusei();
  w.WriteLine(r);
  for (int i = 0; i < r; ++i) w.WriteLine(d.TokuseiT(i), d.TokuseiN(i), d.TokuseiS(i));
  w.WriteLine(d.nTokuseiPrn);
  w.WriteLine(d.JibanHa, d.JibanHd);
  w.WriteLine(d.nJibanPrn);
  w.WriteLine(d.JyudoH, d.JyudoGam, d.JyudoFai);
  w.WriteLine(d.JyudoDelt, d.JyudoAlp, d.JyudoI);
  w.WriteLine(d.JyudoKh, d.JyudoPrn);
  w.WriteLine(d.KisoH1, d.KisoH2, d.KisoB);
  w.WriteLine(d.Mizunuki, d.MizuDan);
  for (int i = 0; i < 5; ++i) w.WriteLine(d.MizuH1(i));
  w.WriteLine(d.MizuN, d.MizuFai);
  w.WriteLine(d.DrwScale, d.Sheet);
  w.WriteLine(d.Margin(0), d.Margin(1), d.Margin(2), d.Margin(3));
  w.WriteLine(d.Suryou);
  w.WriteLine(d.cZ);
  w.WriteLine(d.KiriDlt);
  w.WriteLine(d.AutoCrashV);
  // Reserved room that older readers expect; never read.
  for (int i = 0; i < kTrailerLines; ++i) w.WriteLine(i16{0});
}

std::string DescribeErrno(int e, int fallback, const char* fallbackText, int* number) {
  switch (e) {
    case EACCES:
    case EPERM:
    case EROFS:
      *number = 70;
      return "書き込みが許可されていません。";
    case ENOENT:
    case ENOTDIR:
      *number = 76;
      return "フォルダが見つかりません。";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
      *number = 61;
      return "ディスクの空き容量が足りません。";
    default:
      *number = fallback;
      return fallbackText;
  }
}

[[noreturn]] void ThrowSave(int e, int fallback, const char* fallbackText) {
  SaveError err{};
  err.description = DescribeErrno(e, fallback, fallbackText, &err.number);
  throw err;
}

constexpr const char* kTempPrefix = ".norva-";
constexpr const char* kTempSuffix = ".tmp";
constexpr std::size_t kTempRandomChars = 8;

// A name our saves give their temporary files: ".norva-" + 8 of [a-z0-9] + ".tmp".
bool IsOurTempName(const std::string& name) {
  const std::string prefix = kTempPrefix, suffix = kTempSuffix;
  if (name.size() != prefix.size() + kTempRandomChars + suffix.size()) return false;
  if (name.compare(0, prefix.size(), prefix) != 0) return false;
  if (name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) return false;
  for (std::size_t i = prefix.size(); i < prefix.size() + kTempRandomChars; ++i) {
    const char c = name[i];
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

[[noreturn]] void RefuseTarget(const char* why) { throw SaveError{75, why}; }

// The file a save writes: path itself, or the end of its chain of symbolic
// links (relative links read from the folder of the link). A link that
// dangles names a file the save creates. A loop, a folder, a device, a fifo
// or a socket is refused before anything is written.
std::string ResolveSaveTarget(const std::string& path) {
  constexpr int kMaxLinks = 40;  // as the system itself follows
  std::string cur = path;
  for (int links = 0;; ++links) {
    struct stat st {};
    if (::lstat(cur.c_str(), &st) != 0) {
      if (errno == ENOENT) return cur;
      if (errno == ELOOP)
        RefuseTarget("シンボリックリンクが循環しているため、保存先が決まりません。");
      ThrowSave(errno, 75, "ファイルを開けませんでした。");
    }
    if (S_ISREG(st.st_mode)) return cur;
    if (S_ISDIR(st.st_mode)) RefuseTarget("保存先がフォルダです。");
    if (!S_ISLNK(st.st_mode)) RefuseTarget("保存先が通常のファイルではありません。");
    if (links >= kMaxLinks) {
      RefuseTarget("シンボリックリンクが循環しているため、保存先が決まりません。");
    }
    std::vector<char> buf(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
    const ssize_t n = ::readlink(cur.c_str(), buf.data(), buf.size());
    if (n < 0 || static_cast<std::size_t>(n) >= buf.size()) {
      ThrowSave(n < 0 ? errno : ENAMETOOLONG, 75, "ファイルを開けませんでした。");
    }
    const std::string next(buf.data(), static_cast<std::size_t>(n));
    cur = (!next.empty() && next[0] == '/') ? next : FolderOf(cur) + next;
  }
}

// Removes temporary files of our naming that an earlier save left in folder
// when it was killed: regular files of this user that no save holds locked
// (a save holds its temporary file locked until the rename). Best effort.
void RemoveStaleTempFiles(const std::string& folder) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  std::vector<std::string> names;
  while (const dirent* e = ::readdir(dir)) {
    if (IsOurTempName(e->d_name)) names.emplace_back(e->d_name);
  }
  ::closedir(dir);
  for (const std::string& name : names) {
    const std::string path = folder + name;
    struct stat lst {};
    if (::lstat(path.c_str(), &lst) != 0 || !S_ISREG(lst.st_mode) || lst.st_uid != ::geteuid()) {
      continue;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat fst {};
    if (::fstat(fd, &fst) == 0 && fst.st_dev == lst.st_dev && fst.st_ino == lst.st_ino &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      ::unlink(path.c_str());
    }
    ::close(fd);
  }
}

// Creates a new temporary file in folder, locked against the clean-up of
// other saves, and returns its descriptor; temp gets its name.
int CreateTempFile(const std::string& folder, std::string& temp) {
  std::random_device rd;
  std::mt19937 gen(rd());
  static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string suffix;
    for (std::size_t i = 0; i < kTempRandomChars; ++i)
      suffix += kChars[gen() % (sizeof kChars - 1)];
    // Short and hidden whatever the document's name is.
    temp = folder + kTempPrefix + suffix + kTempSuffix;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      ThrowSave(errno, 75, "ファイルを開けませんでした。");
    }
    // Another save's clean-up may have taken the file between its creation
    // and the lock: then the name is no longer ours, and we start again.
    struct stat fst {
    }, nst{};
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &fst) == 0 && ::stat(temp.c_str(), &nst) == 0 &&
        fst.st_dev == nst.st_dev && fst.st_ino == nst.st_ino) {
      return fd;
    }
    ::close(fd);
  }
  ThrowSave(EEXIST, 75, "ファイルを開けませんでした。");
}

// Writes bytes to a new file beside the target and renames it over the
// target, so that the target holds either its old content or the complete
// new one, whenever the program stops.
void ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string target = ResolveSaveTarget(path);
  const std::string folder = FolderOf(target);

  struct stat old {};
  const bool hadOld = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  // A rename would replace a file we may not write to, read-only marks
  // included: saving over it fails as a direct write would.
  if (hadOld && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
    ThrowSave(EACCES, 70, "書き込みが許可されていません。");
  }

  RemoveStaleTempFiles(folder);
  std::string temp;
  const int fd = CreateTempFile(folder, temp);

  auto fail = [&](int e, int fallback, const char* text) {
    ::unlink(temp.c_str());
    ::close(fd);
    ThrowSave(e, fallback, text);
  };
  if (hadOld) (void)::fchmod(fd, old.st_mode & 07777);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(errno, 57, "ファイルに書き込めませんでした。");
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) fail(errno, 57, "ファイルに書き込めませんでした。");
  // Renamed while still locked, so no clean-up can take it before.
  if (::rename(temp.c_str(), target.c_str()) != 0)
    fail(errno, 75, "ファイルを置き換えられませんでした。");
  // The data reached the disk before the rename (fsync): a late error of
  // close has nothing left to lose.
  ::close(fd);
  // Make the rename itself durable; a failure here loses nothing already saved.
  const int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    (void)::fsync(dfd);
    ::close(dfd);
  }
}

// ---- reading -----------------------------------------------------------------

constexpr int kBadFileFormat = 321;

// A load or case record reported failure. One that ran into the end of the
// file was cut off: that is reported as the end-of-file error it is.
[[noreturn]] void RecordFailed(VbTextReader& r) {
  if (r.Eof()) (void)r.LineInput();  // throws the end-of-file error
  throw RecordFailure();
}

// A count of records in the file. The program never writes a negative one,
// and the count setters would later index before the start of such a list.
int16_t CountOf(int32_t n) {
  if (n < 0) throw VbFileError(kBadFileFormat, "ファイルの形式が正しくありません。");
  if (n > INT16_MAX) throw VbFileError(VbFileError::kOverflow, "数値が範囲を超えています。");
  return static_cast<int16_t>(n);
}

// The count of a plain value list (back-ground points, ground rows). Its
// setter takes a count below 1 as "no elements" and the document writes what
// it holds, so such a count is read as it stands rather than refused.
int16_t ListCountOf(int32_t n) {
  if (n > INT16_MAX || n < INT16_MIN) {
    throw VbFileError(VbFileError::kOverflow, "数値が範囲を超えています。");
  }
  return static_cast<int16_t>(n);
}

// Reads the whole file into d, a newly created document. Throws on any error.
void ReadBody(CDocument& d, VbTextReader& r) {
  const float v = r.InputSingle();
  for (int i = 0; i < 6; ++i) d.SetbInpSt(i, r.InputInt16() != 0 ? int16_t{-1} : int16_t{0});
  d.Title = r.LineInput();

  r.InputInt32();  // Unit: only SI is supported
  d.Unit = 0;
  d.Sisin = r.InputInt32();
  // Tokki comes later in the file, so the setter's rule changes nothing here.
  d.SetWallType(r.InputInt32());
  d.Doatsu = r.InputInt32();
  if (d.Sisin == 6) {
    d.Sisin = 4;
  } else if (d.Sisin == 1) {
    d.Sisin = 5;
  }

  d.bQuake = r.InputInt16() != 0 ? int16_t{-1} : int16_t{0};
  d.SetKh(0, r.InputDouble());
  d.SetKh(1, r.InputDouble());
  d.BackType = r.InputInt32();
  d.KiriDoatsu = r.InputInt32();

  d.Gamb = r.InputDouble();
  d.Gambd = r.InputDouble();
  d.Gamf = r.InputDouble();
  d.Gamfd = r.InputDouble();
  d.Gamcw = r.InputDouble();
  d.Gamcf = r.InputDouble();
  d.Gamw = r.InputDouble();

  d.Fai = r.InputDouble();
  d.SetC(0, r.InputDouble());
  d.SetC(1, r.InputDouble());
  d.Setdelt(0, r.InputDouble());
  d.Setdelt(1, r.InputDouble());
  d.Deltd = r.InputDouble();
  d.Cd = r.InputDouble();

  d.SgmCk = r.InputDouble();
  d.Sgmca = r.InputDouble();
  d.Sgmta = r.InputDouble();
  d.Taua = r.InputDouble();
  d.Sgmsa = r.InputDouble();

  d.SecDoatsu = r.InputInt16();

  d.WallH = r.InputDouble();
  d.WallL = r.InputDouble();
  d.WallB = r.InputDouble();

  d.BlkT = r.InputDouble();
  d.BlkDeltT1 = r.InputDouble();
  d.BlkN = r.InputDouble();
  d.nBlkSetup = r.InputInt32();
  d.nBlkFound = r.InputInt16();
  d.BlkB = r.InputDouble();
  d.BlkH1 = r.InputDouble();
  if (v >= 0.4f) d.BlkH2 = r.InputDouble();

  d.BlkB1 = r.InputDouble();
  d.BlkT2 = r.InputDouble();
  d.BlkDeltT2 = v >= 0.5f ? r.InputDouble() : d.BlkDeltT1;

  d.GrwB = r.InputDouble();
  d.GrwB1 = r.InputDouble();
  d.GrwB2 = r.InputDouble();
  d.GrwN = r.InputDouble();

  d.MtwH1 = r.InputDouble();
  d.MtwH2 = r.InputDouble();
  d.MtwH3 = r.InputDouble();
  d.MtwB1 = r.InputDouble();
  d.MtwB2 = r.InputDouble();
  d.MtwB3 = r.InputDouble();
  d.MtwB4 = r.InputDouble();
  d.MtwN1 = r.InputDouble();
  d.MtwN2 = r.InputDouble();

  d.MxwH1 = r.InputDouble();
  d.MxwH2 = r.InputDouble();
  d.MxwH3 = r.InputDouble();
  d.GrwB3 = r.InputDouble();

  if (v >= 0.3f) {
    d.GrwB4 = r.InputDouble();
    d.GrwH1 = r.InputDouble();
    if (d.GrwB4 < 0) d.GrwB4 = 0;
    if (d.GrwH1 < 0) d.GrwH1 = 0;
  } else {
    d.GrwB4 = 0;
    d.GrwH1 = 0;
  }
  if (d.WallType() == 3) {
    d.GrwB4 = 0;
    d.GrwH1 = 0;
  }

  d.nKeisya = r.InputInt16();
  d.KeisyaH = r.InputDouble();
  d.Tokki = r.InputInt32();
  d.TokX = r.InputDouble();
  d.TokB = r.InputDouble();
  d.TokL = r.InputDouble();
  d.SetSoilFH(0, r.InputDouble());
  d.SetSoilFH(1, r.InputDouble());
  d.nWater = r.InputInt32();
  d.nWlvlAuto = r.InputInt16();
  d.SetWatFH(0, r.InputDouble());
  d.SetWatFH(1, r.InputDouble());
  d.SetWatBH(0, r.InputDouble());
  d.SetWatBH(1, r.InputDouble());

  d.UragomeType = r.InputInt32();
  d.UraHd = r.InputDouble();
  d.UraN = r.InputDouble();
  d.UraX1 = r.InputDouble();
  d.UraX2 = r.InputDouble();
  d.UraH0 = r.InputDouble();

  // Points are collected first so that a count the file cannot back up ends
  // in a read error, not in a huge allocation.
  const int16_t n = ListCountOf(r.InputInt32());
  std::vector<double> ux, uy;
  for (int i = 0; i < n; ++i) {
    ux.push_back(r.InputDouble());
    uy.push_back(r.InputDouble());
  }
  d.SetnUraNini(n);
  for (int i = 0; i < n; ++i) {
    d.SetUraNiniX(i, ux[static_cast<size_t>(i)]);
    d.SetUraNiniY(i, uy[static_cast<size_t>(i)]);
  }

  d.KiriD = r.InputDouble();
  d.KiriN = r.InputDouble();

  d.nTentou = r.InputInt32();
  if (d.nTentou == 2) {
    d.nTentou = 0;
  } else if (d.nTentou == 4) {
    d.nTentou = 3;
  }
  if (d.nWlvlAuto == 1 && d.nTentou == 3) d.nTentou = 0;

  d.ChkSlide = r.InputInt16();
  d.nJyudo = r.InputInt16();
  d.SetPp(0, r.InputDouble());
  d.SetPp(1, r.InputDouble());
  r.InputInt16();  // retired item
  d.nQa = r.InputInt16();
  d.Qa = r.InputDouble();
  d.Faib = r.InputDouble();
  d.Myu = r.InputDouble();
  d.cb = r.InputDouble();
  d.SijiFai = r.InputDouble();
  d.SijiC = r.InputDouble();
  d.SijiGam1 = r.InputDouble();
  d.Df = r.InputDouble();
  d.Dfd = r.InputDouble();
  d.SijiGam2 = r.InputDouble();
  d.SetAE0(0, r.InputDouble());
  d.SetAE0(1, r.InputDouble());

  // Settings that stored files of older programs can hold but the screens
  // no longer offer.
  if (d.Sisin == 2) d.nQa = d.WallType() == 0 ? 1 : 0;
  if (d.WallType() != 0 && d.nTentou == 3) d.nTentou = 0;
  if (d.ChkSlide == 0) d.nJyudo = 0;
  if (d.nTentou == 3) {
    d.Tokki = 0;
    d.nWlvlAuto = 0;
  } else {
    d.ChkSlide = 1;
  }

  d.nAutoMobile = r.InputInt16();
  d.nAutoTload = r.InputInt16();
  d.AutoPos = r.InputDouble();
  d.AutoWidth = r.InputDouble();
  d.AutoLoad = r.InputDouble();
  d.nGunsyu = r.InputInt16();
  d.GunsyuPos = r.InputDouble();
  d.GunsyuWidth = r.InputDouble();
  d.GunsyuLoad = r.InputDouble();
  d.nSnow = r.InputInt16();
  d.nSnowType = r.InputInt16();
  d.SnowPos = r.InputDouble();
  d.SnowDepth = r.InputDouble();
  d.SnowLoad = r.InputDouble();
  d.nTakuchi = r.InputInt16();
  d.TakuchiPos = r.InputDouble();
  d.TakuchiWidth = r.InputDouble();
  d.TakuchiLoad = r.InputDouble();
  const int16_t crash0 = r.InputInt16();
  const int16_t crash1 = r.InputInt16();
  d.SetnAutoCrash(0, crash0);
  d.SetnAutoCrash(1, crash1);
  d.nAutoCrashBougo = r.InputInt16();
  d.nAutoCrashBougoClass = r.InputInt16();
  d.nAutoCrashBougoModel = r.InputInt16();
  d.AutoCrashWidth = r.InputDouble();
  d.AutoCrashHigh = r.InputDouble();
  d.AutoCrashLoad = r.InputDouble();
  d.nStone = r.InputInt16();
  d.StoneHight = r.InputDouble();
  d.StonePich = r.InputDouble();
  d.StoneLoad = r.InputDouble();
  d.StoneSgmy = r.InputDouble();
  d.StoneZ = r.InputDouble();
  d.nWind = r.InputInt16();
  d.WindPos = r.InputDouble();
  d.WindHight = r.InputDouble();
  d.WindLoad = r.InputDouble();

  const int16_t m = CountOf(r.InputInt16());
  std::vector<std::shared_ptr<CNini>> loads;
  for (int j = 0; j < m; ++j) {
    auto rec = std::make_shared<CNini>();
    if (!rec->DataRead(&r)) RecordFailed(r);
    loads.push_back(std::move(rec));
  }
  const int16_t k = CountOf(r.InputInt16());
  std::vector<std::shared_ptr<CKajyuCase>> cases;
  for (int c = 0; c < k; ++c) {
    auto rec = std::make_shared<CKajyuCase>();
    if (!rec->Serialize(r, v)) RecordFailed(r);
    // Not stored: derived from the document as read so far.
    rec->QuPremium = GetDefQuPremium(d, *rec);
    cases.push_back(std::move(rec));
  }

  const int16_t s0 = CountOf(r.InputInt16());
  const int16_t s1 = CountOf(r.InputInt16());
  std::vector<double> y0, y1;
  for (int i = 0; i < s0; ++i) y0.push_back(r.InputDouble());
  for (int i = 0; i < s1; ++i) y1.push_back(r.InputDouble());

  d.TokDia = r.InputInt16();
  d.TokHon = r.InputDouble();
  d.TokKab = r.InputDouble();
  if (v > 0.1f) d.TokPich = r.InputDouble();
  d.Tiiki = r.InputInt16();
  d.Jiban1 = r.InputInt16();
  d.Kouzou = r.InputInt16();
  d.Delt3 = r.InputDouble();
  r.InputInt16();  // Kibo: always the first level
  d.Kibo = 0;
  d.Jiban2 = r.InputInt16();
  d.Youto = r.InputDouble();

  const int16_t rows = ListCountOf(r.InputInt16());
  std::vector<double> tt;
  std::vector<int16_t> tn, ts;
  for (int i = 0; i < rows; ++i) {
    tt.push_back(r.InputDouble());
    tn.push_back(r.InputInt16());
    ts.push_back(r.InputInt16());
  }
  d.SetnTokusei(rows);
  for (int i = 0; i < rows; ++i) {
    d.SetTokuseiT(i, tt[static_cast<size_t>(i)]);
    d.SetTokuseiN(i, tn[static_cast<size_t>(i)]);
    d.SetTokuseiS(i, ts[static_cast<size_t>(i)]);
  }
  d.nTokuseiPrn = r.InputInt16();
  d.JibanHa = r.InputDouble();
  d.JibanHd = r.InputDouble();
  d.nJibanPrn = r.InputInt16();
  d.JyudoH = r.InputDouble();
  d.JyudoGam = r.InputDouble();
  d.JyudoFai = r.InputDouble();
  d.JyudoDelt = r.InputDouble();
  d.JyudoAlp = r.InputDouble();
  d.JyudoI = r.InputDouble();
  d.JyudoKh = r.InputDouble();
  d.JyudoPrn = r.InputInt16();
  d.KisoH1 = r.InputDouble();
  d.KisoH2 = r.InputDouble();
  d.KisoB = r.InputDouble();
  d.Mizunuki = r.InputInt16();
  d.MizuDan = r.InputInt16();
  for (int i = 0; i < 5; ++i) d.SetMizuH1(i, r.InputDouble());
  d.MizuN = r.InputDouble();
  d.MizuFai = r.InputDouble();
  d.DrwScale = r.InputInt16();
  d.Sheet = r.InputInt16();
  for (int i = 0; i < 4; ++i) d.SetMargin(i, r.InputInt16());
  d.Suryou = r.InputInt16();
  // Added last; older files end before them.
  d.cZ = r.Eof() ? 0 : r.InputDouble();
  d.KiriDlt = r.Eof() ? kNullDouble : r.InputDouble();
  d.AutoCrashV = r.Eof() ? 0 : r.InputDouble();

  // Counts are taken as stored; every slot in use gets its record.
  d.RebuildOwnedRecords(m, k, s0, s1);
  for (int j = 0; j < m; ++j) d.SetpNini(j, loads[static_cast<size_t>(j)]);
  for (int c = 0; c < k; ++c) d.SetpCase(c, cases[static_cast<size_t>(c)]);
  for (int i = 0; i < s0; ++i) d.SetWallSecY(0, i, y0[static_cast<size_t>(i)]);
  for (int i = 0; i < s1; ++i) d.SetWallSecY(1, i, y1[static_cast<size_t>(i)]);

  // Before 0.4 the heel height of the foundation was not stored.
  if (v < 0.4f && d.WallType() == 0 && d.nBlkFound == 0 && d.nBlkSetup == 0 && d.BlkB1 >= 0 &&
      d.BlkB > 0 && d.BlkH1 > 0 && d.BlkN > 0) {
    d.BlkH2 = d.BlkH1;
    if (d.nKeisya == 0) d.BlkH2 += d.KeisyaH;
    d.BlkH2 -= (d.BlkB - d.BlkB1) * d.BlkN;
  }

  // Results are never stored: the result screens need a new calculation.
  d.SetbInpSt(4, 0);
  d.SetbInpSt(5, 0);
}

// Gives doc what was read into fresh. Copy leaves out a few inputs that a
// copy-and-create must not carry; a read carries them.
void TakeOver(CDocument& doc, const CDocument& fresh) {
  doc.Copy(fresh);
  doc.Unit = fresh.Unit;
  doc.TokDia = fresh.TokDia;
  doc.TokHon = fresh.TokHon;
  doc.TokKab = fresh.TokKab;
  doc.TokPich = fresh.TokPich;
  doc.TokAs = fresh.TokAs;
  for (int i = 0; i < 6; ++i) doc.SetbInpSt(i, fresh.bInpSt(i));
}

}  // namespace

double FileVersionNumber() {
  return kProgramVersionMajor + kProgramVersionMinor / 100.0 + kProgramVersionRevision / 10000.0;
}

std::string DocumentFileBytes(const CDocument& doc) {
  VbTextWriter w;
  WriteBody(doc, w);
  return w.bytes();
}

bool DataFileWrite(const CDocument& doc, const std::string& wFileName) {
  const std::string path = wFileName.empty() ? doc.FileName : wFileName;
  if (path.empty()) return false;
  int number = 0;
  std::string description;
  try {
    ReplaceFileAtomically(path, DocumentFileBytes(doc));
    return true;
  } catch (const SaveError& e) {
    number = e.number;
    description = e.description;
  } catch (...) {
    Describe(std::current_exception(), &number, &description);
  }
  ShowFileError(kWriteFailed, number, description);
  return false;
}

namespace {

// Reads a whole document from the reader that open makes, into doc only
// when every item was read; any error is named to the user.
template <class Open>
bool ReadDocument(CDocument& doc, Open open) {
  int number = 0;
  std::string description;
  try {
    VbTextReader reader = open();
    auto fresh = std::make_unique<CDocument>();
    ReadBody(*fresh, reader);
    TakeOver(doc, *fresh);
    return true;
  } catch (...) {
    Describe(std::current_exception(), &number, &description);
  }
  ShowFileError(kReadFailed, number, description);
  return false;
}

}  // namespace

bool DataFileReadFrom(CDocument& doc, const std::string& path) {
  if (path.empty()) return false;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return false;
  } else if (S_ISDIR(st.st_mode)) {
    return false;
  } else if (!S_ISREG(st.st_mode)) {
    // A fifo would wait for a writer and a device may never end.
    ShowFileError(kReadFailed, 75, "通常のファイルではありません。");
    return false;
  }
  return ReadDocument(doc, [&path] { return VbTextReader::FromFile(path); });
}

bool DataFileReadBytes(CDocument& doc, std::string cp932) {
  return ReadDocument(doc, [&cp932] { return VbTextReader::FromBytes(std::move(cp932)); });
}

bool DataFileRead(CDocument& doc) { return DataFileReadFrom(doc, doc.FileName); }

}  // namespace norva
