// The kind of a file operation: what a history step did, what the command
// line asks for.
#pragma once

enum class COpKind { Rename, Copy, None };
