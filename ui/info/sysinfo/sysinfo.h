#pragma once
// The system-information launcher lands later.
