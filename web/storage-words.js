// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user is told when the browser keeps no order: the page's own
// words, saying what is lost and what to do.

export const SAVE_TO_FILE = 'Сохраните заказ в файл (кнопка «Сохранить»), чтобы не потерять его.';

export function storageProblem(error) {
  switch (error?.name) {
    case 'QuotaExceededError':
      return `В хранилище браузера не хватает места: последние изменения заказа не сохранены. ${SAVE_TO_FILE} Освободите место (удалите ненужные заказы) — сохранение продолжится само.`;
    case 'StoreBlockedError':
      return `Хранилище заказов занято вкладкой с прежней версией калькулятора: изменения не сохраняются. Закройте другие вкладки калькулятора и обновите страницу. ${SAVE_TO_FILE}`;
    case 'NotSupportedError':
    case 'SecurityError':
    case 'InvalidStateError':
    case 'UnknownError':
      return `Браузер не разрешает хранить заказы на этом устройстве (например, в частном режиме): изменения не сохраняются. ${SAVE_TO_FILE}`;
    default:
      return `Заказ не сохранён в браузере (${error?.message || error}). ${SAVE_TO_FILE}`;
  }
}

export const PERSIST_REFUSED = 'Браузер может стереть заказы фирмы на этом устройстве при нехватке места, вместе с неотправленными изменениями: работайте при связи с сервером или установите калькулятор как приложение.';
export const STORAGE_NEARLY_FULL = `Место в хранилище браузера почти закончилось: скоро изменения заказов перестанут сохраняться. Удалите ненужные заказы или освободите место на устройстве. ${SAVE_TO_FILE}`;

export const READ_ONLY = 'Этот заказ открыт в другой вкладке: здесь он только для просмотра, чтобы вкладки не затёрли изменения друг друга. Закройте ту вкладку — заказ станет доступен здесь.';
export const TAKEN_OVER = 'Другая вкладка закрыта: заказ снова можно изменять здесь.';
export const STORED_UNREADABLE = 'Заказ, сохранённый в браузере, не открывается (он остаётся в списке заказов):';
