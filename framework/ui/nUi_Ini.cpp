// Keeps the library non-empty before its views exist.
