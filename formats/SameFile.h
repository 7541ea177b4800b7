#pragma once
// Whether two names reach one file: the same path once links are resolved, or the same
// device and inode (a hard link). Names that reach no existing file are never the same.

class QString;

bool isSameFile(const QString& first, const QString& second);
