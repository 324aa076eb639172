// Placeholder translation unit for a library folder that holds no code yet.
