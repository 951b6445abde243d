#pragma once

// The program's compiled-in pictures and icons live in the core library, which is linked
// statically: each program registers them once at start-up, before anything draws.
void RegisterResources();
