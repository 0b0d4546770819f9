#include "base/Shell.h"

#include "base/Seams.h"

namespace {
Shell *currentShell = nullptr;
} // namespace

Shell::Shell()
    : seams_(std::make_unique<Seams>(Seams::defaults()))
{
    currentShell = this;
}

Shell::~Shell()
{
    if (currentShell == this)
        currentShell = nullptr;
}

Shell *Shell::instance()
{
    return currentShell;
}
