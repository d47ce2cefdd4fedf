// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/program_module.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace tessarine {

namespace {

QStringList ModuleCandidates(const char* environmentVariable, const char* fileName) {
    const QString named = qEnvironmentVariable(environmentVariable);
    if (!named.isEmpty()) return {named};
    const QString name = QString::fromLatin1(fileName);
    const QString programDir = QCoreApplication::applicationDirPath();
    return {programDir + QStringLiteral("/../lib/tessarine/") + name,
            programDir + QStringLiteral("/") + name};
}

}  // namespace

QFunctionPointer OpenProgramModule(const char* environmentVariable, const char* fileName,
                                   const char* symbol, QString& problem) {
    problem.clear();
    for (const QString& candidate : ModuleCandidates(environmentVariable, fileName)) {
        QLibrary module(candidate);
        // The first place's problem is the one to tell: it is where the
        // module belongs.
        if (!module.load()) {
            if (problem.isEmpty()) problem = module.errorString();
            continue;
        }
        if (QFunctionPointer found = module.resolve(symbol)) {
            return found;
        }
        if (problem.isEmpty()) problem = module.errorString();
    }
    return nullptr;
}

}  // namespace tessarine
