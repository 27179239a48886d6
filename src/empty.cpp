// Placeholder so that a folder without core files still forms a library.
