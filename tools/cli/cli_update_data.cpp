#include <ostream>

#include "cli/cli.h"
#include "core/common/folder_lock.h"
#include "core/storage/data_update.h"

namespace quillby::cli {

int RunUpdateData(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args.size() > 2 || args[0].starts_with("-")) {
        err << "usage: quillby-cli update-data SHIPPED [DIR]\n";
        return 2;
    }
    const std::string folder = args.size() == 2 ? args[1] : ".";
    // A game running in the folder reads and writes the very files the update replaces.
    FolderLock lock(folder);
    if (!lock.Acquire()) {
        err << "quillby-cli: " << folder
            << ": Quillby is running in this folder; close it, then update its data\n";
        return 1;
    }
    const auto update = UpdateAppFolder(args[0], folder);
    if (!update) {
        err << "quillby-cli: " << update.Error() << "\n";
        return 1;
    }
    const nlohmann::json report{{"added", update->added},
                                {"replaced", update->replaced},
                                {"kept", update->kept},
                                {"keptAside", update->keptAside},
                                {"cluesCarried", update->cluesCarried},
                                {"notices", update->notices}};
    out << JsonText(report) << "\n";
    return 0;
}

}  // namespace quillby::cli
