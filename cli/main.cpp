// morvane-cli's entry point. Arguments arrive as UTF-8 on every platform (on Windows
// from the wide command line), and standard output is binary, so what is printed is
// byte for byte the program's text (LF stays LF on Windows). Whether standard error is a
// terminal decides whether long commands show their progress there.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliMain.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "base/win32/WideText.h"

int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(morvane::narrowToUtf8(argv[i]));
    const int status = morvane::cli::runCli(args, std::cout, std::cerr, _isatty(_fileno(stderr)) != 0);
    std::cout.flush();
    return status;
}
#else
#include <unistd.h>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = morvane::cli::runCli(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
    std::cout.flush();
    return status;
}
#endif
