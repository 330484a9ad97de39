// Filled in with the commands it tests.
