#pragma once

// The store with a large file: the time to parse 100 000 values, in one key and spread over
// many keys, and a read through the store when the file has not changed since. Prints the
// figures; false when a target is missed.
bool RunStoreBench();
