// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tessarine::testing {

// Where cups-pdf puts a job of this user: the "Out" line of its
// configuration, with ${HOME} and ${USER} expanded; cups-pdf's own default
// otherwise.
QString CupsPdfFolder();

// The PDF files in a folder, by name.
QStringList PdfFiles(const QString& folder);

// The queue's device URI as lpstat -v reports it; empty when there is no
// such queue.
QString QueueDevice(const QString& queue);

}  // namespace tessarine::testing
