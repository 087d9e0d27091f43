#include "core/storage/data_update.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/clues/clue_merge.h"
#include "core/clues/clue_store.h"
#include "core/common/file_io.h"

namespace quillby {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMainClues = "data/eng_clues.b";
constexpr std::string_view kDamaged = ".damaged";

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Every regular file under the shipped folder, relative and sorted, so updates run in one order.
Result<std::vector<std::string>> ShippedFiles(const std::string& shippedFolder)
{
    std::vector<std::string> files;
    std::error_code error;
    fs::recursive_directory_iterator walk(shippedFolder, error);
    for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
        if (walk->is_regular_file(error)) {
            files.push_back(fs::relative(walk->path(), shippedFolder, error).generic_string());
        }
    }
    if (error) {
        return Result<std::vector<std::string>>::Failure(shippedFolder + ": " + error.message());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool Exists(const std::string& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

class Updater {
public:
    Updater(std::string shipped, std::string folder)
        : shipped(std::move(shipped)), folder(std::move(folder))
    {
    }

    Status Run(const std::vector<std::string>& files, const ClueStore& shippedClues);
    DataUpdate& Report() { return report; }

private:
    std::string Target(const std::string& name) const { return folder + "/" + name; }
    Status Copy(const std::string& name);
    Status MergeClues(const ClueStore& shippedClues);

    std::string shipped;
    std::string folder;
    DataUpdate report;
};

Status Updater::Copy(const std::string& name)
{
    const auto bytes = ReadWholeFile(shipped + "/" + name);
    if (!bytes) {
        return Status::Failure(bytes.Error());
    }
    const std::string target = Target(name);
    const bool present = Exists(target);
    if (present) {
        const auto old = ReadWholeFile(target);
        if (old && old.Value() == bytes.Value()) {
            return Done{};
        }
    }
    std::error_code error;
    fs::create_directories(fs::path(target).parent_path(), error);
    if (Status written = WriteFileAtomically(target, bytes.Value()); !written) {
        return written;
    }
    (present ? report.replaced : report.added).push_back(name);
    return Done{};
}

Status Updater::MergeClues(const ClueStore& shippedClues)
{
    const std::string name(kMainClues);
    const std::string target = Target(name);
    if (!Exists(target)) {
        return Copy(name);
    }
    // A file that cannot be read now (permissions, a disk fault) may read later: leave it.
    const auto bytes = ReadWholeFile(target);
    if (!bytes) {
        return Status::Failure(bytes.Error());
    }
    ClueStore own;
    if (Status parsed = own.Parse(bytes.Value()); !parsed) {
        const Result<std::string> aside = MoveAside(target, std::string(kDamaged));
        if (!aside) {
            return Status::Failure(target +
                                   ": damaged, and cannot be kept aside: " + aside.Error());
        }
        const std::string asideName = name + aside.Value().substr(target.size());
        report.keptAside.push_back(asideName);
        report.notices.push_back("Your clue file " + name + " could not be read (it " +
                                 parsed.Error() + "). It is kept as " + asideName +
                                 ", and the new clues are installed in its place, so clues you "
                                 "had answered may come round again.");
        return Copy(name);
    }
    ClueMerge merge = MergeClueStores(shippedClues, own);
    report.cluesCarried = merge.carried;
    const auto merged = merge.store.Serialize();
    if (merged == bytes.Value()) {
        return Done{};
    }
    if (Status written = WriteFileAtomically(target, merged); !written) {
        return written;
    }
    report.replaced.push_back(name);
    return Done{};
}

Status Updater::Run(const std::vector<std::string>& files, const ClueStore& shippedClues)
{
    for (const std::string& name : files) {
        if (name == kDataStamp) {
            continue;
        }
        Status done = Done{};
        if (name == kMainClues) {
            done = MergeClues(shippedClues);
        } else if (IsPlayerFile(name) && Exists(Target(name))) {
            report.kept.push_back(name);
        } else {
            done = Copy(name);
        }
        if (!done) {
            return done;
        }
    }
    return Copy(std::string(kDataStamp));
}

}  // namespace

bool IsPlayerFile(std::string_view relativePath)
{
    const std::size_t slash = relativePath.find_last_of('/');
    const std::string_view name =
        slash == std::string_view::npos ? relativePath : relativePath.substr(slash + 1);
    return name == "output_user.b" || name == "settings.dat" || name == "preferences.ini" ||
           name == "check.txt" || name.starts_with("volatile") || EndsWith(name, kDamaged);
}

Result<DataUpdate> UpdateAppFolder(const std::string& shippedFolder, const std::string& folder)
{
    using Update = Result<DataUpdate>;
    const std::string stamp = shippedFolder + "/" + std::string(kDataStamp);
    if (!Exists(stamp)) {
        return Update::Failure(shippedFolder + ": not a shipped application folder (no " +
                               std::string(kDataStamp) + ")");
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return Update::Failure(folder + ": " + error.message());
    }
    if (fs::equivalent(shippedFolder, folder, error) && !error) {
        return Update::Failure(folder + ": is the shipped folder itself");
    }
    auto files = ShippedFiles(shippedFolder);
    if (!files) {
        return Update::Failure(files.Error());
    }
    ClueStore shippedClues;
    const std::string shippedCluePath = shippedFolder + "/" + std::string(kMainClues);
    if (Exists(shippedCluePath)) {
        if (Status loaded = shippedClues.Load(shippedCluePath); !loaded) {
            return Update::Failure(loaded.Error());
        }
    }
    Updater updater(shippedFolder, folder);
    if (Status done = updater.Run(files.Value(), shippedClues); !done) {
        return Update::Failure(done.Error());
    }
    return std::move(updater.Report());
}

std::string DataUpdateMessage(const Result<DataUpdate>& update)
{
    if (!update) {
        return "The game's data could not be brought up to date: " + update.Error() +
               ". Your puzzles, clues and settings are as they were; the update will be tried "
               "again the next time the game starts.";
    }
    std::string text;
    for (const std::string& notice : update->notices) {
        text += (text.empty() ? "" : "\n\n") + notice;
    }
    return text;
}

}  // namespace quillby
