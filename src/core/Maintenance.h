#pragma once

class TdmData;

// Compacts the connected database: SQLite after an integrity check with VACUUM,
// PostgreSQL with VACUUM ANALYZE. True on success; the caller shows its message.
bool CompactDatabase(TdmData &data);
