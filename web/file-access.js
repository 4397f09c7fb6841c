// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files in and out: the browser's file pickers where it has them (a file
// saved once is written again in place), else a file input and a
// download. Only bytes pass here; what they mean is the core's.

const hasPickers = () => typeof window.showOpenFilePicker === 'function';

function types(description, extensions, mime) {
  return [{ description, accept: { [mime]: extensions } }];
}

const read = async (file) => ({ name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) });

// The files the user picks in a file input; none when cancelled.
async function inputFiles(extensions, multiple) {
  const input = document.createElement('input');
  input.type = 'file';
  input.accept = extensions.join(',');
  input.multiple = multiple;
  input.hidden = true;
  document.body.append(input);
  try {
    return await new Promise((resolve) => {
      input.addEventListener('change', () => resolve([...(input.files ?? [])]), { once: true });
      input.addEventListener('cancel', () => resolve([]), { once: true });
      input.click();
    });
  } finally {
    input.remove();
  }
}

// Resolves to { name, bytes, handle } or null when the user cancelled.
export async function pickFile({ description, extensions, mime }) {
  if (hasPickers()) {
    try {
      const [handle] = await window.showOpenFilePicker({ types: types(description, extensions, mime) });
      return { ...(await read(await handle.getFile())), handle };
    } catch (error) {
      if (error?.name === 'AbortError') return null;
      throw error;
    }
  }
  const [file] = await inputFiles(extensions, false);
  return file ? { ...(await read(file)), handle: null } : null;
}

// Several files in one pick (MULTIPLE), or one: resolves to a list of
// { name, bytes }, empty when the user cancelled.
export async function pickFiles({ description, extensions, mime, multiple = false }) {
  if (hasPickers()) {
    try {
      const handles = await window.showOpenFilePicker({ multiple, types: types(description, extensions, mime) });
      return Promise.all(handles.map(async (handle) => read(await handle.getFile())));
    } catch (error) {
      if (error?.name === 'AbortError') return [];
      throw error;
    }
  }
  return Promise.all((await inputFiles(extensions, multiple)).map(read));
}

// Writes BYTES to HANDLE, or to a file the user chooses, or downloads
// them as NAME. Resolves to the handle written (null for a download), or
// undefined when the user cancelled.
export async function saveFile(bytes, { name, description, extensions, mime, handle = null }) {
  if (hasPickers()) {
    try {
      const target = handle ?? (await window.showSaveFilePicker({ suggestedName: name, types: types(description, extensions, mime) }));
      const writable = await target.createWritable();
      await writable.write(bytes);
      await writable.close();
      return target;
    } catch (error) {
      if (error?.name === 'AbortError') return undefined;
      throw error;
    }
  }
  const url = URL.createObjectURL(new Blob([bytes], { type: mime }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
  return null;
}
