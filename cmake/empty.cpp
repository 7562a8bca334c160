// Keeps the core library non-empty while its folders fill up.
