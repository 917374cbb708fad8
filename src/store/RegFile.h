#pragma once

#include <QByteArray>
#include <QString>

struct CRegNode;

// The text form of a store file: a registry export of one root, which a person can read
// and edit. strRootName is the root as the file names it, e.g. HKEY_CURRENT_USER.

// Fills the empty tree with what the file holds. False when some of it could not be
// understood (bad lines, another root, no header, broken UTF-8); the rest is still read.
bool ParseRegFile(const QByteArray& text, const QString& strRootName, CRegNode& root);

QByteArray FormatRegFile(const CRegNode& root, const QString& strRootName);
