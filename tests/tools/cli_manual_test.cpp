#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli.h"

namespace quillby {
namespace {

// The manual page quillby-cli(6) describes every subcommand under its own heading, so a new
// subcommand needs its section there too (packaging/man/quillby-cli.6.in).
TEST(CliManual, DescribesEveryCommand)
{
    std::ifstream file(std::string(QUILLBY_SOURCE_DIR) + "/packaging/man/quillby-cli.6.in");
    ASSERT_TRUE(file) << "packaging/man/quillby-cli.6.in not found";
    std::stringstream text;
    text << file.rdbuf();
    for (const cli::Command& command : cli::Commands()) {
        std::string roff;
        for (const char c : std::string(command.name)) {
            roff += c == '-' ? std::string("\\-") : std::string(1, c);
        }
        EXPECT_NE(text.str().find("\n.SS " + roff), std::string::npos)
            << "quillby-cli.6.in has no '.SS " << roff << "' section";
    }
}

}  // namespace
}  // namespace quillby
