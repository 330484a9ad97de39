// The repack run for real with stand-in archivers that fail as real ones do (killed,
// damaging the archive, giving up), and into folders that refuse it (read-only, full):
// the mod stays byte for byte as it was, nothing is left beside it, and the status
// line says why.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>

#include "mods/repack_save.h"
#include "platform/file_system.h"
#include "tests/fileops/fileops_test_support.h"
#include "zip/zip_writer.h"

namespace strohvik::fileops {
namespace {
namespace fs = std::filesystem;

constexpr const char* kDescription = "<modDesc>\n\t<price>1000</price>\n\t<xmlFilename>tractor.xml</xmlFilename>\n</modDesc>\n";
constexpr const char* kVehicle = "<vehicle>\n\t<capacity>4000</capacity>\n</vehicle>\n";

std::string Noise(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 99;
  for (char& c : bytes) c = static_cast<char>((state = state * 1103515245 + 12345) >> 24);
  return bytes;
}

// A small file system of our own over a folder, as full or as read-only as a test
// needs; it needs the right to mount, which a test run as root has.
class ScratchMount {
 public:
  static std::unique_ptr<ScratchMount> Over(const fs::path& folder, const std::string& options) {
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) return nullptr;
    return std::unique_ptr<ScratchMount>(new ScratchMount(folder));
  }
  ~ScratchMount() { ::umount2(folder_.c_str(), MNT_DETACH); }
  bool MakeReadOnly() { return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

 private:
  explicit ScratchMount(fs::path folder) : folder_(std::move(folder)) {}
  fs::path folder_;
};

class RepackFault : public FileOpsTest {
 public:
  void SetUp() override {
    FileOpsTest::SetUp();
    fs::create_directories(Host("mods"));
    MakeMod("mods\\tractor.zip", {{"modDesc.xml", kDescription}, {"tractor.xml", kVehicle}, {"horn.wav", Noise(200000)}},
            1893456000);
    Write("LS_2011_Data_Temp/modDesc.xml", kDescription);
    Write("LS_2011_Data_Temp/tractor.xml", kVehicle);
    original_ = Read("mods/tractor.zip");
  }
  void TearDown() override {
    mount_.reset();
    std::error_code ignored;
    fs::permissions(Host("mods"), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::permissions(Host("mods/tractor.zip"), fs::perms::owner_write, fs::perm_options::add, ignored);
    FileOpsTest::TearDown();
  }

  // Tools\7z.exe as a shell script; "$6" is the archive it is asked to update.
  void StandInArchiver(const std::string& script) {
    Write("Tools/7z.exe", "#!/bin/sh\n" + script + "\n");
    fs::permissions(Host("Tools/7z.exe"), fs::perms::owner_all);
  }
  // The mods folder on a file system of its own holding the archive; false when this
  // run may not mount.
  bool MountedModsFolder(const std::string& options) {
    mount_ = ScratchMount::Over(Host("mods"), options);
    if (!mount_) return false;
    Write("mods/tractor.zip", original_);
    return true;
  }

  SaveOutcome Save() {
    const LoadedMod mod{Sys("mods\\tractor.zip"), "JA", "store.dds", "tractor.xml"};
    return SaveModChanges(folders_, mod, "12345", "9000", *SystemProcessRunner());
  }

  std::string original_;
  std::unique_ptr<ScratchMount> mount_;
};

struct FaultCase {
  const char* name;
  // Sets the scene; returns the part of the status line expected, or "" to skip.
  std::function<std::string(RepackFault&)> prepare;
};

bool HasStrace() { return fs::exists("/usr/bin/strace"); }

const FaultCase kFaults[] = {
    {"KilledAtItsRename",
     [](RepackFault& t) {
       if (!HasStrace()) return std::string();
       t.StandInArchiver("exec strace -f -o /dev/null -e inject=rename:signal=KILL 7z \"$@\"");
       return std::string("7-Zip wurde beim Packen abgebrochen (Code 137); der Mod ist unverändert.");
     }},
    {"DeletesTheArchiveAndKillsItself",
     [](RepackFault& t) {
       t.StandInArchiver("rm -f \"$6\"\nkill -9 $$");
       return std::string("7-Zip wurde beim Packen abgebrochen (Code 137); der Mod ist unverändert.");
     }},
    {"TruncatesTheArchiveAndExitsZero",
     [](RepackFault& t) {
       t.StandInArchiver("7z \"$@\" >/dev/null && head -c 300 \"$6\" > \"$6.cut\" && mv \"$6.cut\" \"$6\"");
       return std::string("7-Zip hat kein lesbares Archiv geschrieben; der Mod ist unverändert.");
     }},
    {"DamagesAnEntryAndExitsZero",
     [](RepackFault& t) {
       t.StandInArchiver("7z \"$@\" >/dev/null && printf 'XXXXXXXX' | dd of=\"$6\" bs=1 seek=2000 conv=notrunc 2>/dev/null");
       return std::string("beschädigt gepackt; der Mod ist unverändert.");
     }},
    {"ExitsWithTwo",
     [](RepackFault& t) {
       t.StandInArchiver("exit 2");
       return std::string("7-Zip konnte den Mod nicht packen (Code 2); der Mod ist unverändert.");
     }},
    {"WritesNothingAndExitsZero",
     [](RepackFault& t) {
       t.StandInArchiver("exit 0");
       return std::string("steht nach dem Packen nicht im Archiv; der Mod ist unverändert.");
     }},
    {"ReadOnlyArchive",
     [](RepackFault& t) {
       t.LinkArchiver();
       fs::permissions(t.Host("mods/tractor.zip"), fs::perms::owner_read | fs::perms::group_read);
       return std::string("Fehler: Der Mod ist schreibgeschützt. Nichts gespeichert.");
     }},
    {"ReadOnlyFolder",
     [](RepackFault& t) {
       t.LinkArchiver();
       if (t.MountedModsFolder("size=4m") && t.mount_->MakeReadOnly()) return std::string("ist schreibgeschützt.");
       if (::geteuid() == 0) return std::string();  // root writes into any folder it may not mount over
       fs::permissions(t.Host("mods"), fs::perms::owner_read | fs::perms::owner_exec);
       return std::string("ist schreibgeschützt.");
     }},
    {"FullFileSystem",
     [](RepackFault& t) {
       t.LinkArchiver();
       if (t.MountedModsFolder("size=1m")) return std::string("Nicht genug freier Speicher im Mods Ordner: 2 MB benötigt, ");
       return std::string();
     }},
};

class RepackFaults : public RepackFault, public testing::WithParamInterface<FaultCase> {};

TEST_P(RepackFaults, LeaveTheModWholeAndNothingBesideItAndSayWhy) {
  const std::string expected = GetParam().prepare(*this);
  if (expected.empty()) GTEST_SKIP() << "this machine cannot set the scene";
  const SaveOutcome outcome = Save();
  EXPECT_NE(outcome.status.find(expected), std::string::npos) << outcome.status;
  EXPECT_EQ(Read("mods/tractor.zip"), original_) << "byte for byte";
  EXPECT_EQ(Listing("mods"), std::vector<std::string>{"tractor.zip"});
}

INSTANTIATE_TEST_SUITE_P(Table, RepackFaults, testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RepackFault, ARepackThatSucceedsLeavesAWholeArchiveAndNothingBesideIt) {
  LinkArchiver();
  EXPECT_EQ(Save().status, "Keine Fehler.");
  EXPECT_EQ(Listing("mods"), std::vector<std::string>{"tractor.zip"});
  EXPECT_EQ(RunProcess({"unzip", "-tq", Host("mods/tractor.zip").string()}, "").exitCode, 0);
  EXPECT_NE(ReadMod("mods\\tractor.zip")["modDesc.xml"].find("<price>12345</price>"), std::string::npos);
}

TEST_F(RepackFault, ADuplicatedDescriptionIsRefusedBeforeTheArchiverRuns) {
  StandInArchiver("touch ran");
  // A second entry of the same name, as some packers leave one.
  Write("staging/second", kDescription);
  auto writer = ZipWriter::Create();
  ASSERT_EQ(writer->OpenZip(Sys("mods\\tractor.zip"), 1), 1);
  writer->AddFileToDest(Sys("staging\\second"), "modDesc.xml", "");
  writer->CloseZip("");
  const std::string doubled = Read("mods/tractor.zip");
  const std::string status = Save().status;
  EXPECT_NE(status.find("Der Mod enthält modDesc.xml mehrfach"), std::string::npos) << status;
  EXPECT_EQ(Read("mods/tractor.zip"), doubled);
  EXPECT_FALSE(Exists("ran")) << "the archiver never ran";
  EXPECT_EQ(Listing("mods"), std::vector<std::string>{"tractor.zip"});
}

// A limit on file sizes stands in for a full disk where no file system can be mounted.
TEST_F(RepackFault, AWriteLimitStopsTheCopyAndKeepsTheMod) {
  LinkArchiver();
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = saved;
  limited.rlim_cur = original_.size() / 2;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  const SaveOutcome outcome = Save();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_NE(outcome.status.find("Arbeitskopie des Mods konnte nicht angelegt werden; der Mod ist unverändert."),
            std::string::npos)
      << outcome.status;
  EXPECT_EQ(Read("mods/tractor.zip"), original_);
  EXPECT_EQ(Listing("mods"), std::vector<std::string>{"tractor.zip"});
}

}  // namespace
}  // namespace strohvik::fileops
