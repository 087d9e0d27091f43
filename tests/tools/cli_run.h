#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli.h"

namespace quillby::testing {

// Runs quillby-cli in process and keeps what it printed.
inline int RunCli(std::vector<std::string> args, std::string& out, std::string& err)
{
    std::ostringstream outStream;
    std::ostringstream errStream;
    const int status = cli::Main(args, outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return status;
}

// One JSON value per line of output.
inline std::vector<nlohmann::json> JsonLines(const std::string& text)
{
    std::vector<nlohmann::json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(nlohmann::json::parse(line));
    }
    return lines;
}

}  // namespace quillby::testing
